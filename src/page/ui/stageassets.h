#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

// The few services of the application shell the build stage needs: pictures, sounds, cursors,
// the HTML folder and timer intervals. They are gathered here so that the stage reaches the
// shell through one small door.

// A picture resource (":/art/<name>") drawn at the given logical size, crisp at the screen's
// pixel density; an empty pixmap of that size when the resource is missing.
QPixmap StagePixmap(const QString &name, QSize size);
// A cursor resource (":/cursors/<name>") with its hot spot; the fallback shape when it is missing.
QCursor StageCursor(const QString &name, Qt::CursorShape fallback);
// Plays a sound resource asynchronously when sounds are switched on.
void StagePlay(const QString &name);
// The interval a timer with the stated duration gets; a token delay in test mode.
int StageTimerInterval(int statedMs);
bool StageTestMode();
// The folder the generated page and its "graphics" and "backgrnd" folders live in, with a
// trailing separator.
QString StageHtmlFolder();

#include "webchunk.h"
// A new chunk of a kind with the defaults of its record.
TWebChunk StageNewChunk(TBlockKind kind);

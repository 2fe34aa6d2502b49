#pragma once

#include <QCursor>
#include <QString>

// A cursor resource (":/cursors/<name>.svg") with its hot spot in the middle, where the hands of
// the build stage grip a block; the fallback shape when the resource is missing.
QCursor StageCursor(const QString &name, Qt::CursorShape fallback);

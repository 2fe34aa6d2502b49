#pragma once

#include <QCursor>
#include <QPoint>
#include <QString>

// The program's own mouse cursors, compiled in as pictures under :/cursors/<Name>.svg:
// "Cursor_Hand" (pointing hand), "Hand_Open" (over a block that can be picked up) and
// "Hand_Closed" (while a block is held). Each knows its hot spot.
class TResourceCursor {
public:
    TResourceCursor() = delete;

    // The cursor of that name drawn sharp for the screen's pixel density; the arrow cursor when
    // the name is unknown.
    static QCursor cursor(const QString &name, qreal devicePixelRatio = 1.0);
    // Where the cursor points, in the picture's 32 x 32 logical pixels.
    static QPoint hotSpot(const QString &name);
    // Every cursor name, for start-up and for the tests.
    static QStringList names();
};

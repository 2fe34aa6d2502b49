#pragma once

#include <QRectF>

class QPainter;

// The ring that shows which of the program's pictures acting as buttons has the keyboard focus:
// orange, as the toolbar's. On pictures near that orange themselves, a white band under the ring
// keeps the two apart.
void DrawFocusRing(QPainter &painter, const QRectF &ring, qreal radius, bool onWhiteBand = false);

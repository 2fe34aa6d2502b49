#include "focusring.h"

#include <QPainter>

void DrawFocusRing(QPainter &painter, const QRectF &ring, qreal radius, bool onWhiteBand)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (onWhiteBand) {
        painter.setPen(QPen(Qt::white, 4));
        painter.drawRoundedRect(ring, radius, radius);
    }
    painter.setPen(QPen(QColor(0xE0, 0x80, 0x00), 2));
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

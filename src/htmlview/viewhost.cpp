#include "viewhost.h"

QRgb ViewHost::systemColor(TSystemColor which) const
{
    switch (which) {
    case TSystemColor::ButtonFace:
        return qRgb(0xF0, 0xF0, 0xF0);
    case TSystemColor::ButtonShadow:
        return qRgb(0xA0, 0xA0, 0xA0);
    case TSystemColor::ButtonHighlight:
        return qRgb(0xFF, 0xFF, 0xFF);
    case TSystemColor::ButtonText:
        return qRgb(0, 0, 0);
    }
    return qRgb(0, 0, 0);
}

QRgb ViewHost::toRgb(TColor colour) const
{
    if (IsSystemColor(colour))
        return systemColor(TSystemColor(colour & 0xFF));
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void ViewHost::drawFrame(const QRect &rect, QRgb colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    drawLine(rect.topLeft(), rect.topRight(), colour);
    drawLine(rect.bottomLeft(), rect.bottomRight(), colour);
    drawLine(rect.topLeft(), rect.bottomLeft(), colour);
    drawLine(rect.topRight(), rect.bottomRight(), colour);
}

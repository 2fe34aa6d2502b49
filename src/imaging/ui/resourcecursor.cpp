#include "resourcecursor.h"

#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int cursorSize = 32;

const QHash<QString, QPoint> &hotSpots()
{
    // The tip of the index finger for the pointing hand, the middle of the palm for the others.
    static const QHash<QString, QPoint> spots = {
        {QStringLiteral("Cursor_Hand"), QPoint(10, 2)},
        {QStringLiteral("Hand_Open"), QPoint(16, 16)},
        {QStringLiteral("Hand_Closed"), QPoint(16, 16)},
    };
    return spots;
}

} // namespace

QStringList TResourceCursor::names()
{
    return {QStringLiteral("Cursor_Hand"), QStringLiteral("Hand_Open"), QStringLiteral("Hand_Closed")};
}

QPoint TResourceCursor::hotSpot(const QString &name)
{
    return hotSpots().value(name, QPoint(0, 0));
}

QCursor TResourceCursor::cursor(const QString &name, qreal devicePixelRatio)
{
    if (!hotSpots().contains(name))
        return QCursor(Qt::ArrowCursor);
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImageReader reader(QStringLiteral(":/cursors/%1.svg").arg(name));
    const int pixels = int(std::ceil(cursorSize * ratio));
    reader.setScaledSize(QSize(pixels, pixels));
    QImage image = reader.read();
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    image.setDevicePixelRatio(ratio);
    // QCursor takes the hot spot in logical pixels when the pixmap carries its ratio.
    const QPoint spot = hotSpot(name);
    return QCursor(QPixmap::fromImage(image), spot.x(), spot.y());
}

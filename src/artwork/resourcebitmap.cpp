#include "resourcebitmap.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>

#include <cmath>

namespace {

bool isSvg(const QString &path)
{
    return path.endsWith(QLatin1String(".svg"));
}

qreal screenRatio()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QString ResourceBitmapPath(const QString &name)
{
    if (name.isEmpty())
        return QString();
    for (const char *suffix : {".svg", ".png"}) {
        const QString path = QStringLiteral(":/art/") + name + QLatin1String(suffix);
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

QSize ResourceBitmapSize(const QString &name)
{
    const QString path = ResourceBitmapPath(name);
    if (path.isEmpty())
        return QSize();
    if (isSvg(path))
        return QSvgRenderer(path).defaultSize();
    return QImageReader(path).size();
}

QPixmap ResourcePixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    const QString path = ResourceBitmapPath(name);
    if (path.isEmpty())
        return QPixmap();
    if (size.isEmpty())
        size = ResourceBitmapSize(name);
    if (size.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : screenRatio();

    const QString key =
        QStringLiteral("zvart:%1:%2x%3@%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    const QSize devicePixels(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    if (isSvg(path)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid())
            return QPixmap();
        QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
        p.end();
        pixmap = QPixmap::fromImage(image);
    } else {
        QImage image(path);
        if (image.isNull())
            return QPixmap();
        if (image.size() != devicePixels)
            image = image.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap = QPixmap::fromImage(image);
    }
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

bool DrawResourceBitmap(QPainter &painter, const QString &name, int x, int y)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QPixmap pixmap = ResourcePixmap(name, QSize(), ratio);
    if (pixmap.isNull())
        return false;
    painter.drawPixmap(x, y, pixmap);
    return true;
}

#include "tpainterhost.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

TPainterHost::TPainterHost()
{
    // Pages name the classic desktop fonts; the metric twins from Liberation stand in for them
    // so that lines break where a page's author expects.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
}

void TPainterHost::begin(QPainter *painter)
{
    m_painter = painter;
}

void TPainterHost::end()
{
    m_painter = nullptr;
}

void TPainterHost::releaseImage(TImageHandle image)
{
    // The background tile is kept as a pixmap between paints; a released handle may be reused.
    if (image == m_tileHandle) {
        m_tileHandle = 0;
        m_tile = QPixmap();
    }
    QtMeasureHost::releaseImage(image);
}

void TPainterHost::setClip(const QRect &rect)
{
    if (!m_painter)
        return;
    if (rect.isNull())
        m_painter->setClipping(false);
    else
        m_painter->setClipRect(rect);
}

void TPainterHost::fillRect(const QRect &rect, QRgb colour)
{
    if (m_painter)
        m_painter->fillRect(rect, QColor::fromRgb(colour));
}

void TPainterHost::drawLine(QPoint from, QPoint to, QRgb colour)
{
    if (!m_painter)
        return;
    // A one-pixel line that includes both end points: filling the covered pixels keeps it sharp
    // at every device pixel ratio, where a cosmetic pen would straddle pixel edges.
    if (from.y() == to.y() || from.x() == to.x()) {
        m_painter->fillRect(QRect(from, to).normalized(), QColor::fromRgb(colour));
        return;
    }
    m_painter->setPen(QPen(QColor::fromRgb(colour), 1));
    m_painter->drawLine(from, to);
}

void TPainterHost::drawEllipse(const QRect &rect, QRgb colour, TFill fill)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing);
    const QColor c = QColor::fromRgb(colour);
    m_painter->setPen(QPen(c, 1));
    m_painter->setBrush(fill == TFill::Solid ? QBrush(c) : QBrush(Qt::NoBrush));
    m_painter->drawEllipse(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    m_painter->restore();
}

void TPainterHost::drawText(int x, int baseline, TFontHandle handle, QRgb colour, QStringView text)
{
    if (!m_painter || text.isEmpty() || handle <= 0)
        return;
    m_painter->setFont(font(handle));
    m_painter->setPen(QColor::fromRgb(colour));
    m_painter->drawText(QPoint(x, baseline), text.toString());
}

void TPainterHost::drawImage(TImageHandle handle, const QRect &target)
{
    const QImage *picture = image(handle);
    if (!m_painter || !picture || picture->isNull())
        return;
    m_painter->save();
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, target.size() != picture->size());
    m_painter->drawImage(target, *picture);
    m_painter->restore();
}

void TPainterHost::drawTiled(TImageHandle handle, const QRect &rect, QPoint origin)
{
    const QImage *picture = image(handle);
    if (!m_painter || !picture || picture->isNull())
        return;
    if (handle != m_tileHandle) {
        m_tile = QPixmap::fromImage(*picture);
        m_tileHandle = handle;
    }
    const int w = m_tile.width(), h = m_tile.height();
    const QPoint offset = rect.topLeft() - origin;
    const QPoint inTile(((offset.x() % w) + w) % w, ((offset.y() % h) + h) % h);
    m_painter->drawTiledPixmap(rect, m_tile, inTile);
}

QImage TPainterHost::imageOf(TImageHandle handle) const
{
    const QImage *picture = image(handle);
    return picture ? *picture : QImage();
}

QRgb TPainterHost::systemColor(TSystemColor which) const
{
    // The desktop's own colours, so the viewer matches the window around it.
    const QPalette palette = QGuiApplication::palette();
    switch (which) {
    case TSystemColor::ButtonFace:
        return palette.color(QPalette::Button).rgb();
    case TSystemColor::ButtonShadow:
        return palette.color(QPalette::Dark).rgb();
    case TSystemColor::ButtonHighlight:
        return palette.color(QPalette::Light).rgb();
    case TSystemColor::ButtonText:
        return palette.color(QPalette::ButtonText).rgb();
    }
    return QtMeasureHost::systemColor(which);
}

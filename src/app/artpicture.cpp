#include "artpicture.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QString svgPath(const QString &name) { return QStringLiteral(":/art/%1.svg").arg(name); }
QString pngPath(const QString &name) { return QStringLiteral(":/art/%1.png").arg(name); }

} // namespace

TArtPicture::TArtPicture(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
}

void TArtPicture::setPicture(const QString &name)
{
    if (name == m_picture)
        return;
    m_picture = name;
    update();
}

bool TArtPicture::hasPicture(const QString &name)
{
    return !name.isEmpty() && (QFile::exists(svgPath(name)) || QFile::exists(pngPath(name)));
}

void TArtPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_picture.isEmpty() && QFile::exists(svgPath(m_picture))) {
        QSvgRenderer renderer(svgPath(m_picture));
        renderer.render(&painter, QRectF(rect()));
        return;
    }
    if (!m_picture.isEmpty() && QFile::exists(pngPath(m_picture))) {
        painter.drawPixmap(rect(), QPixmap(pngPath(m_picture)));
        return;
    }
    paintPlaceholder(painter);
}

void TArtPicture::paintPlaceholder(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x9a, 0x9a, 0x9a));
    painter.setBrush(QColor(0xe4, 0xe4, 0xe4));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void TArtPicture::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void TArtPicture::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}

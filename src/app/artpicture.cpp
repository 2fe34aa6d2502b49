#include "artpicture.h"

#include "resourcebitmap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

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
    return !name.isEmpty() && !ResourceBitmapPath(name).isEmpty();
}

void TArtPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap pixmap =
        hasPicture(m_picture) ? ResourcePixmap(m_picture, size(), devicePixelRatioF()) : QPixmap();
    if (pixmap.isNull())
        paintPlaceholder(painter);
    else
        painter.drawPixmap(rect(), pixmap);
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

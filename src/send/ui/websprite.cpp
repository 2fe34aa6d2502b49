#include "websprite.h"

#include "resourcebitmap.h"

#include <QMouseEvent>
#include <QPainter>

TWebSprite::TWebSprite(const QString &objectName, const QString &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture)
{
    setObjectName(objectName);
    const QSize size = ResourceBitmapSize(picture);
    if (!size.isEmpty())
        setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
}

void TWebSprite::setPicture(const QString &name)
{
    if (name == m_picture)
        return;
    m_picture = name;
    update();
}

void TWebSprite::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawResourceBitmap(painter, m_picture, 0, 0);
}

void TWebSprite::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
    QWidget::mousePressEvent(event);
}

void TWebSprite::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    emit leftReleased();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

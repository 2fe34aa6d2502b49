#include "websprite.h"

#include "focusring.h"
#include "resourcebitmap.h"

#include <QKeyEvent>
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
    setFocusPolicy(Qt::TabFocus);
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
    if (!hasFocus())
        return;
    // On a white band: the magnifier's rim is orange too, and the band keeps the ring apart from
    // it and from the coloured pictures.
    DrawFocusRing(painter, QRectF(rect()).adjusted(2, 2, -2, -2), 4, true);
}

void TWebSprite::keyPressEvent(QKeyEvent *event)
{
    const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter || event->key() == Qt::Key_Select;
    if (!activates || event->modifiers() != Qt::NoModifier || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit clicked();
}

void TWebSprite::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TWebSprite::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
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

#include "colourpanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor toQColor(TColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

TColourPanel::TColourPanel(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TColourPanel::setColour(TColour colour)
{
    if (m_colour == colour)
        return;
    m_colour = colour;
    update();
}

QSize TColourPanel::sizeHint() const
{
    return QSize(44, 24);
}

QSize TColourPanel::minimumSizeHint() const
{
    return sizeHint();
}

void TColourPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor frame =
        m_hover || hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter.setPen(QPen(frame, hasFocus() ? 2.0 : 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(outer, 5, 5);
    // The colour sits inside a thin light margin so that a white or a very dark colour still
    // reads as a patch against the dialog.
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
    painter.setBrush(toQColor(m_colour));
    painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 3, 3);
}

void TColourPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TColourPanel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TColourPanel::enterEvent(QEnterEvent *)
{
    m_hover = true;
    update();
}

void TColourPanel::leaveEvent(QEvent *)
{
    m_hover = false;
    update();
}

#include "keybutton.h"

#include "focusring.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

TKeyButton::TKeyButton(const QString &objectName, const QString &name, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setText(name);
    setAccessibleName(name);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TKeyButton::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    DrawFocusRing(painter, QRectF(rect()).adjusted(2, 2, -2, -2), 5);
}

void TKeyButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own key; Enter does the same, as a beginner expects.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TKeyButton::contextMenuEvent(QContextMenuEvent *event)
{
    emit menuRequested(event->globalPos());
}

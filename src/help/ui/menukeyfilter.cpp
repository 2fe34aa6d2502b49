#include "menukeyfilter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

bool isMenuKey(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

TMenuKeyFilter::TMenuKeyFilter(QObject *parent) : QObject(parent) {}

bool TMenuKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!isMenuKey(key) || key->isAutoRepeat())
        return false;
    // With a menu open the key belongs to the menu. Some window systems turn the Menu key into a
    // context-menu event of their own before the key itself arrives; the menu that event opened
    // is open by then, so the key does not open a second one.
    if (QApplication::activePopupWidget())
        return false;
    QWidget *control = QApplication::focusWidget();
    if (!control)
        control = static_cast<QWidget *>(watched);
    if (!control->isEnabled())
        return true;
    // The middle of the control, or of the text cursor in a text box, as the window system places
    // a keyboard menu.
    const QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at), key->modifiers());
    QApplication::sendEvent(control, &menu);
    return true;
}

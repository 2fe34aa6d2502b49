#include "keyboardwalk.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace KeyboardWalk {

QList<QWidget *> TabStops(QWidget *start)
{
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget *> visited{start};
    // A bound, so that a focus chain that never returns to start ends the walk.
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        visited << now;
    }
    return visited;
}

QStringList ObjectNames(const QList<QWidget *> &widgets)
{
    QStringList result;
    for (const QWidget *widget : widgets)
        result << widget->objectName();
    return result;
}

QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *info = QAccessible::queryAccessibleInterface(widget);
    return info ? info->text(QAccessible::Name) : QString();
}

} // namespace KeyboardWalk

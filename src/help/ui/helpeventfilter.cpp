#include "helpeventfilter.h"

#include "helpservice.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {

// Controls with an editing menu of their own: a right click on them is not a question about the
// panel they sit in.
bool hasOwnMenu(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget) ||
           qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget);
}

// The scroll area a viewport belongs to, or the widget itself.
const QWidget *owningControl(const QWidget *widget)
{
    if (const auto *area = qobject_cast<const QAbstractScrollArea *>(widget->parentWidget()))
        if (area->viewport() == widget)
            return area;
    return widget;
}

} // namespace

THelpEventFilter::THelpEventFilter(QObject *parent) : QObject(parent) {}

int THelpEventFilter::HelpContextFor(const QWidget *control)
{
    for (const QWidget *widget = control; widget; widget = widget->parentWidget()) {
        if (const int topic = HelpContextOf(widget))
            return topic;
        if (widget->isWindow())
            break;
    }
    return 0;
}

int THelpEventFilter::HelpTagFor(const QWidget *control)
{
    if (!control)
        return 0;
    for (const QWidget *widget = owningControl(control); widget; widget = widget->parentWidget()) {
        if (const int topic = HelpTagOf(widget))
            return topic;
        if (hasOwnMenu(widget) || widget->isWindow())
            break;
    }
    return 0;
}

bool THelpEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // F1 is also the shortcut of Help Topics in the menu. Claiming it before shortcuts are
    // matched lets the key ask about the control under the focus, as it always has; with no
    // control to ask about, it shows the contents, which is what Help Topics does.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            key->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        // Consumed here, so the key does not travel on to the parents and ask a second time.
        if (const int topic = HelpContextFor(widget))
            THelpService::current().ShowTopic(topic);
        else
            THelpService::current().ShowContents();
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        const int topic = HelpTagFor(widget);
        if (topic == 0)
            return false;
        THelpService::current().ShowWhatsThis(topic, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

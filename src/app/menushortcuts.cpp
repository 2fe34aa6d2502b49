#include "menushortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {

struct TMenuShortcut {
    const char *action;
    QKeySequence::StandardKey key;
    // Used where the platform has no binding of its own for the command.
    QKeyCombination fallback;
};

const TMenuShortcut kShortcuts[] = {
    {"mnuFileNew", QKeySequence::New, Qt::CTRL | Qt::Key_N},
    {"menFileOpen", QKeySequence::Open, Qt::CTRL | Qt::Key_O},
    {"menFileSave", QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    {"menFileSaveAs", QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"menFileExit", QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
    {"menHelpTopics", QKeySequence::HelpContents, QKeyCombination(Qt::Key_F1)},
};

} // namespace

void AssignMenuShortcuts(QWidget &window)
{
    for (const TMenuShortcut &shortcut : kShortcuts) {
        auto *action = window.findChild<QAction *>(QLatin1String(shortcut.action));
        if (!action)
            continue;
        QList<QKeySequence> keys = QKeySequence::keyBindings(shortcut.key);
        if (keys.isEmpty())
            keys = {QKeySequence(shortcut.fallback)};
        action->setShortcuts(keys);
        // The menu bar's actions are not widgets of the window: the keys must work wherever the
        // focus is inside it.
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

#pragma once

#include <QObject>

// Lets the keyboard ask for a control's menu as a right click does: the Menu key, or Shift+F10,
// sends the focused control a context-menu event marked as coming from the keyboard, placed on
// the control (a list places its own on the selected entry). Whatever answers right clicks there
// (the "What's This?" menu, a list's own menu) then answers the key too. Installed once on the
// application by the program; tests install it the same way.
class TMenuKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit TMenuKeyFilter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

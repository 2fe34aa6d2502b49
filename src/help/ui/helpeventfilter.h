#pragma once

#include <QObject>

class QWidget;

// Answers F1 and right clicks for every control of the program that carries a help topic
// (SetHelpContext, SetHelpTag), so the controls themselves need no handlers. Installed once
// on the application by the program; tests install it the same way.
//
// F1 shows the help context of the focused control or of the nearest parent that has one, and
// the contents when none has. A right click opens the "What's This?" menu for the help tag of the
// control under the mouse or of the nearest parent that has one; a text box or list without a tag
// of its own keeps its usual menu.
class THelpEventFilter : public QObject {
    Q_OBJECT
public:
    explicit THelpEventFilter(QObject *parent = nullptr);

    // The topics the filter would show for a control; 0 when it would show none.
    static int HelpContextFor(const QWidget *control);
    static int HelpTagFor(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

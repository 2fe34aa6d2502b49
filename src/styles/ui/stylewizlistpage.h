#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// The style wizard's list page: the styles in their order, the arrows that move the selected
// style, the Delete button, and the hints for modifying and deleting. The form drives the controls.
class TStyleWizListPage : public QWidget {
    Q_OBJECT
public:
    explicit TStyleWizListPage(QWidget *parent = nullptr);

    QLabel *lblMsg1 = nullptr;
    QLabel *lblMsg2 = nullptr;
    QListWidget *lstStyles = nullptr;
    QToolButton *spbUp = nullptr;
    QToolButton *spbDown = nullptr;
    QPushButton *butDelete = nullptr;
    QLabel *lblModify = nullptr;
    QLabel *lblDelete = nullptr;

private:
    QToolButton *arrow(const QString &objectName, const QString &picture);
};

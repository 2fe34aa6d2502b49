#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The server wizard's page for the server itself: its description, address, login name and
// password, and the button to the advanced details. The form drives the controls.
class TServerWizServerPage : public QWidget {
    Q_OBJECT
public:
    explicit TServerWizServerPage(QWidget *parent = nullptr);

    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblServer = nullptr;
    QLineEdit *txtAddress = nullptr;
    QLabel *lblLogin = nullptr;
    QLineEdit *txtLogin = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *butAdvanced = nullptr;
    QPushButton *butTest = nullptr;
    QLabel *lblTestResult = nullptr;
};

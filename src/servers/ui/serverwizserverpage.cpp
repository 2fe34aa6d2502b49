#include "serverwizserverpage.h"

#include "stringtable.h"
#include "wizardlabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const QString &objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

} // namespace

TServerWizServerPage::TServerWizServerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab2"));

    lblName = WizardLabel(QStringLiteral("lblName"), 607, this);
    txtName = field(QStringLiteral("txtName"), this);
    lblServer = WizardLabel(QStringLiteral("lblServer"), 606, this);
    txtAddress = field(QStringLiteral("txtAddress"), this);
    lblLogin = WizardLabel(QStringLiteral("lblLogin"), 609, this);
    txtLogin = field(QStringLiteral("txtLogin"), this);
    lblPassword = WizardLabel(QStringLiteral("lblPassword"), 608, this);
    txtPassword = field(QStringLiteral("txtPassword"), this);
    txtPassword->setEchoMode(QLineEdit::Password);
    butAdvanced = new QPushButton(LoadStr(2), this);
    butAdvanced->setObjectName(QStringLiteral("butAdvanced"));
    butAdvanced->setAutoDefault(false);
    butTest = new QPushButton(QStringLiteral("&Test connection"), this);
    butTest->setObjectName(QStringLiteral("butTest"));
    butTest->setAutoDefault(false);
    lblTestResult = WizardLabel(QStringLiteral("lblTestResult"), -1, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const std::pair<QLabel *, QLineEdit *> rows[] = {
        {lblName, txtName}, {lblServer, txtAddress}, {lblLogin, txtLogin}, {lblPassword, txtPassword}};
    for (const auto &[label, edit] : rows) {
        // The field is named by its prompt, whichever prompt the chosen provider gives it.
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addSpacing(8);
    }
    layout->addStretch(1);
    auto *test = new QHBoxLayout;
    test->setSpacing(8);
    test->addWidget(butTest, 0, Qt::AlignTop);
    test->addWidget(lblTestResult, 1);
    test->addWidget(butAdvanced, 0, Qt::AlignTop);
    layout->addLayout(test);

    // The buttons are visited in the row's order, left to right.
    setTabOrder(txtPassword, butTest);
    setTabOrder(butTest, butAdvanced);
}

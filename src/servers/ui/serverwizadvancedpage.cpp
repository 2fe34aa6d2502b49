#include "serverwizadvancedpage.h"

#include "stringtable.h"
#include "wizardlabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TServerWizAdvancedPage::TServerWizAdvancedPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab3"));

    grpAdvanced = new QGroupBox(LoadStr(611), this);
    grpAdvanced->setObjectName(QStringLiteral("grpAdvanced"));
    lblDir = WizardLabel(QStringLiteral("lblDir"), 612, grpAdvanced);
    txtDirectory = new QLineEdit(grpAdvanced);
    txtDirectory->setObjectName(QStringLiteral("txtDirectory"));
    lblURL = WizardLabel(QStringLiteral("lblURL"), 613, grpAdvanced);
    txtURL = new QLineEdit(grpAdvanced);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    chkDir = new QCheckBox(QStringLiteral("Don't create directories."), grpAdvanced);
    chkDir->setObjectName(QStringLiteral("chkDir"));
    lblDir->setBuddy(txtDirectory);
    lblURL->setBuddy(txtURL);

    auto *group = new QVBoxLayout(grpAdvanced);
    group->setSpacing(4);
    group->addWidget(lblDir);
    group->addWidget(txtDirectory);
    group->addSpacing(10);
    group->addWidget(lblURL);
    group->addWidget(txtURL);
    group->addSpacing(10);
    group->addWidget(chkDir);
    group->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grpAdvanced, 1);
}

void TServerWizAdvancedPage::setDetailsEnabled(bool enabled)
{
    grpAdvanced->setEnabled(enabled);
    for (QWidget *widget :
         {static_cast<QWidget *>(lblDir), static_cast<QWidget *>(txtDirectory),
          static_cast<QWidget *>(lblURL), static_cast<QWidget *>(txtURL), static_cast<QWidget *>(chkDir)})
        widget->setEnabled(enabled);
}

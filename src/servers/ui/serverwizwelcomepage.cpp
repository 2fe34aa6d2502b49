#include "serverwizwelcomepage.h"

#include "resourcebitmap.h"
#include "serverwizlabel.h"
#include "stringtable.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

TServerWizWelcomePage::TServerWizWelcomePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab1"));

    imgWizard = new QLabel(this);
    imgWizard->setObjectName(QStringLiteral("imgWizard"));
    imgWizard->setPixmap(ResourcePixmap(QStringLiteral("ServerWiz")));
    imgWizard->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lbl1 = ServerWizLabel(QStringLiteral("lbl1"), 600, this);
    QFont heading = lbl1->font();
    heading.setBold(true);
    lbl1->setFont(heading);
    lbl2 = ServerWizLabel(QStringLiteral("lbl2"), 601, this);
    lbl3 = ServerWizLabel(QStringLiteral("lbl3"), 602, this);

    RadioButton1 = new QRadioButton(LoadStr(603), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(LoadStr(604), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(LoadStr(605), this);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(RadioButton1);
    modes->addButton(RadioButton2);
    modes->addButton(RadioButton3);

    auto *text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(lbl1);
    text->addWidget(lbl2);
    text->addWidget(lbl3);
    text->addSpacing(6);
    auto *choices = new QVBoxLayout;
    choices->setContentsMargins(12, 0, 0, 0);
    choices->setSpacing(6);
    choices->addWidget(RadioButton1);
    choices->addWidget(RadioButton2);
    choices->addWidget(RadioButton3);
    text->addLayout(choices);
    text->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(imgWizard);
    layout->addLayout(text, 1);
}

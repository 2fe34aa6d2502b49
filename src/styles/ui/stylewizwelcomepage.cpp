#include "stylewizwelcomepage.h"

#include "resourcebitmap.h"
#include "stringtable.h"
#include "stylewizlabel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

TStyleWizWelcomePage::TStyleWizWelcomePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab1"));

    imgWizard = new QLabel(this);
    imgWizard->setObjectName(QStringLiteral("imgWizard"));
    imgWizard->setPixmap(ResourcePixmap(QStringLiteral("StyleWiz")));
    imgWizard->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lbl1 = StyleWizLabel(QStringLiteral("lbl1"), 501, this);
    QFont heading = lbl1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    lbl1->setFont(heading);
    lbl2 = StyleWizLabel(QStringLiteral("lbl2"), 502, this);
    lbl3 = StyleWizLabel(QStringLiteral("lbl3"), 504, this);
    lbl4 = StyleWizLabel(QStringLiteral("lbl4"), 503, this);

    radAdd = new QRadioButton(LoadStr(506), this);
    radAdd->setObjectName(QStringLiteral("radAdd"));
    radAdd->setChecked(true);
    radModify = new QRadioButton(LoadStr(505), this);
    radModify->setObjectName(QStringLiteral("radModify"));
    radDelete = new QRadioButton(LoadStr(507), this);
    radDelete->setObjectName(QStringLiteral("radDelete"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(radAdd);
    modes->addButton(radModify);
    modes->addButton(radDelete);

    auto *text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(lbl1);
    text->addWidget(lbl2);
    text->addWidget(lbl3);
    text->addSpacing(6);
    auto *choices = new QVBoxLayout;
    choices->setContentsMargins(12, 0, 0, 0);
    choices->setSpacing(6);
    choices->addWidget(radAdd);
    choices->addWidget(radModify);
    choices->addWidget(radDelete);
    text->addLayout(choices);
    text->addStretch(1);
    text->addWidget(lbl4);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(imgWizard);
    layout->addLayout(text, 1);
}

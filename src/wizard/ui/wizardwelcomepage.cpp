#include "wizardwelcomepage.h"

#include "stringtable.h"
#include "wizardlabel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *choice(const QString &objectName, int id, QWidget *parent)
{
    auto *button = new QRadioButton(LoadStr(id), parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

TWizardWelcomePage::TWizardWelcomePage(const TWizardWelcomeTexts &texts, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab1"));

    imgWizard = new QLabel(this);
    imgWizard->setObjectName(QStringLiteral("imgWizard"));
    imgWizard->setPixmap(texts.Picture);
    imgWizard->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lbl1 = WizardLabel(QStringLiteral("lbl1"), texts.Heading, this);
    QFont heading = lbl1->font();
    heading.setBold(true);
    if (texts.HeadingScale != 1.0)
        heading.setPointSizeF(heading.pointSizeF() * texts.HeadingScale);
    lbl1->setFont(heading);
    lbl2 = WizardLabel(QStringLiteral("lbl2"), texts.Explanation, this);
    lbl3 = WizardLabel(QStringLiteral("lbl3"), texts.Hint, this);
    if (texts.Footnote >= 0)
        lbl4 = WizardLabel(QStringLiteral("lbl4"), texts.Footnote, this);

    radAdd = choice(texts.AddName, texts.Add, this);
    radAdd->setChecked(true);
    radModify = choice(texts.ModifyName, texts.Modify, this);
    radDelete = choice(texts.DeleteName, texts.Delete, this);
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
    if (lbl4)
        text->addWidget(lbl4);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(imgWizard);
    layout->addLayout(text, 1);
}

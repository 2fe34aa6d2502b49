#include "stylewizlistpage.h"

#include "resourcebitmap.h"
#include "stringtable.h"
#include "stylewizlabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TStyleWizListPage::TStyleWizListPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab3"));

    lblMsg1 = StyleWizLabel(QStringLiteral("lblMsg1"), 520, this);
    // A leftover of an older wizard that showed a wait notice here; it is never shown.
    lblMsg2 = StyleWizLabel(QStringLiteral("lblMsg2"), 519, this);
    lblMsg2->hide();

    lstStyles = new QListWidget(this);
    lstStyles->setObjectName(QStringLiteral("lstStyles"));
    lstStyles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstStyles->setAlternatingRowColors(true);

    spbUp = arrow(QStringLiteral("spbUp"), QStringLiteral("StyleWizUp"));
    spbDown = arrow(QStringLiteral("spbDown"), QStringLiteral("StyleWizDown"));
    butDelete = new QPushButton(LoadStr(9), this);
    butDelete->setObjectName(QStringLiteral("butDelete"));
    butDelete->setAutoDefault(false);

    lblModify = StyleWizLabel(QStringLiteral("lblModify"), 518, this);
    lblDelete = StyleWizLabel(QStringLiteral("lblDelete"), 517, this);
    QFont hint = lblModify->font();
    hint.setBold(true);
    lblModify->setFont(hint);
    lblDelete->setFont(hint);

    auto *side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(spbUp, 0, Qt::AlignHCenter);
    side->addWidget(spbDown, 0, Qt::AlignHCenter);
    side->addSpacing(12);
    side->addWidget(butDelete);
    side->addStretch(1);

    auto *list = new QGridLayout;
    list->setHorizontalSpacing(10);
    list->addWidget(lstStyles, 0, 0);
    list->addLayout(side, 0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(lblMsg1);
    layout->addWidget(lblMsg2);
    layout->addLayout(list, 1);
    layout->addWidget(lblModify);
    layout->addWidget(lblDelete);
}

QToolButton *TStyleWizListPage::arrow(const QString &objectName, const QString &picture)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setIcon(QIcon(ResourceBitmapPath(picture)));
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(40, 40);
    // Held down, an arrow keeps moving the style, one place at a time.
    button->setAutoRepeat(true);
    return button;
}

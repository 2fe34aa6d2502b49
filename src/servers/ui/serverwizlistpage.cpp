#include "serverwizlistpage.h"

#include "resourcebitmap.h"
#include "serverwizlabel.h"
#include "stringtable.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TServerWizListPage::TServerWizListPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab4"));

    lblModDesc = ServerWizLabel(QStringLiteral("lblModDesc"), 614, this);
    lblDelDesc = ServerWizLabel(QStringLiteral("lblDelDesc"), 615, this);

    lstServers = new QListWidget(this);
    lstServers->setObjectName(QStringLiteral("lstServers"));
    lstServers->setSelectionMode(QAbstractItemView::SingleSelection);
    lstServers->setAlternatingRowColors(true);
    lstServers->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 6px; }"));

    spbUp = arrow(QStringLiteral("spbUp"), QStringLiteral("ServerWizUp"));
    spbDown = arrow(QStringLiteral("spbDown"), QStringLiteral("ServerWizDown"));
    butDelete = new QPushButton(LoadStr(9));
    butDelete->setObjectName(QStringLiteral("butDelete"));
    butDelete->setAutoDefault(false);

    lblModify = ServerWizLabel(QStringLiteral("lblModify"), 617, this);
    lblDelete = ServerWizLabel(QStringLiteral("lblDelete"), 616, this);
    QFont hint = lblModify->font();
    hint.setBold(true);
    lblModify->setFont(hint);
    lblDelete->setFont(hint);

    // The column keeps its width whether Delete is shown or not, so the list never jumps.
    auto *sideColumn = new QWidget(this);
    sideColumn->setFixedWidth(96);
    auto *side = new QVBoxLayout(sideColumn);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(6);
    side->addWidget(spbUp, 0, Qt::AlignHCenter);
    side->addWidget(spbDown, 0, Qt::AlignHCenter);
    side->addSpacing(12);
    side->addWidget(butDelete);
    side->addStretch(1);

    auto *list = new QGridLayout;
    list->setHorizontalSpacing(10);
    list->addWidget(lstServers, 0, 0);
    list->addWidget(sideColumn, 0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(lblModDesc);
    layout->addWidget(lblDelDesc);
    layout->addLayout(list, 1);
    layout->addWidget(lblModify);
    layout->addWidget(lblDelete);
}

QToolButton *TServerWizListPage::arrow(const QString &objectName, const QString &picture)
{
    auto *button = new QToolButton;
    button->setObjectName(objectName);
    button->setIcon(QIcon(ResourceBitmapPath(picture)));
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(40, 40);
    button->setAutoRepeat(true);
    return button;
}

void TServerWizListPage::setNames(const QStringList &names)
{
    const QSignalBlocker blocker(lstServers);
    lstServers->clear();
    lstServers->addItems(names);
}

void TServerWizListPage::addName(const QString &name)
{
    const QSignalBlocker blocker(lstServers);
    lstServers->addItem(name);
}

void TServerWizListPage::setName(int row, const QString &name)
{
    if (QListWidgetItem *item = lstServers->item(row))
        item->setText(name);
}

void TServerWizListPage::moveRow(int from, int to)
{
    const QSignalBlocker blocker(lstServers);
    lstServers->insertItem(to, lstServers->takeItem(from));
    lstServers->setCurrentRow(to);
}

void TServerWizListPage::removeRow(int row)
{
    const QSignalBlocker blocker(lstServers);
    delete lstServers->takeItem(row);
    lstServers->setCurrentRow(-1);
    lstServers->clearSelection();
}

int TServerWizListPage::selectedRow() const
{
    const int row = lstServers->currentRow();
    const QListWidgetItem *item = lstServers->item(row);
    return item && item->isSelected() ? row : -1;
}

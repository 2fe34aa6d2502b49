#include "wizardlistpage.h"

#include "stringtable.h"
#include "wizardlabel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TWizardListPage::TWizardListPage(const TWizardListTexts &texts, QWidget *parent)
    : QWidget(parent), m_removal(texts.Removal)
{
    setObjectName(texts.PageName);

    lblFirst = WizardLabel(texts.FirstName, texts.First, this);
    lblSecond = WizardLabel(texts.SecondName, texts.Second, this);
    if (texts.HideSecond)
        lblSecond->hide();

    lstItems = new QListWidget(this);
    lstItems->setObjectName(texts.ListName);
    lstItems->setSelectionMode(QAbstractItemView::SingleSelection);
    lstItems->setAlternatingRowColors(true);
    // Roomier rows than the default make the names easy to hit for a beginner.
    lstItems->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 6px; }"));

    lstItems->setAccessibleName(texts.ListTitle);
    lstItems->installEventFilter(this);
    spbUp = arrow(QStringLiteral("spbUp"), QStringLiteral("Move Up"), texts.Up);
    spbDown = arrow(QStringLiteral("spbDown"), QStringLiteral("Move Down"), texts.Down);
    butDelete = new QPushButton(LoadStr(9));
    butDelete->setObjectName(QStringLiteral("butDelete"));
    butDelete->setAutoDefault(false);

    lblModify = WizardLabel(QStringLiteral("lblModify"), texts.Modify, this);
    lblDelete = WizardLabel(QStringLiteral("lblDelete"), texts.Delete, this);
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
    list->addWidget(lstItems, 0, 0);
    list->addWidget(sideColumn, 0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(lblFirst);
    layout->addWidget(lblSecond);
    layout->addLayout(list, 1);
    layout->addWidget(lblModify);
    layout->addWidget(lblDelete);

    // The arrows were made before they had a window; the Tab key goes down the side column after
    // the list.
    setTabOrder(lstItems, spbUp);
    setTabOrder(spbUp, spbDown);
    setTabOrder(spbDown, butDelete);
}

QToolButton *TWizardListPage::arrow(const QString &objectName, const QString &name, const QIcon &icon)
{
    auto *button = new QToolButton;
    button->setObjectName(objectName);
    // The arrow is a picture only; the name is what a screen reader and the tip say.
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(40, 40);
    // Held down, an arrow keeps moving the entry, one place at a time.
    button->setAutoRepeat(true);
    return button;
}

void TWizardListPage::setNames(const QStringList &names)
{
    const QSignalBlocker blocker(lstItems);
    lstItems->clear();
    lstItems->addItems(names);
}

void TWizardListPage::addName(const QString &name)
{
    const QSignalBlocker blocker(lstItems);
    lstItems->addItem(name);
}

void TWizardListPage::setName(int row, const QString &name)
{
    if (QListWidgetItem *item = lstItems->item(row))
        item->setText(name);
}

void TWizardListPage::moveRow(int from, int to)
{
    const QSignalBlocker blocker(lstItems);
    lstItems->insertItem(to, lstItems->takeItem(from));
    lstItems->setCurrentRow(to);
}

void TWizardListPage::removeRow(int row)
{
    const QSignalBlocker blocker(lstItems);
    delete lstItems->takeItem(row);
    if (m_removal == TWizardRemoval::SelectNext) {
        if (lstItems->count() > 0)
            lstItems->setCurrentRow(std::min(row, lstItems->count() - 1));
    } else {
        lstItems->setCurrentRow(-1);
        lstItems->clearSelection();
    }
}

int TWizardListPage::selectedRow() const
{
    const int row = lstItems->currentRow();
    const QListWidgetItem *item = lstItems->item(row);
    return item && item->isSelected() ? row : -1;
}

bool TWizardListPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lstItems || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    QAbstractButton *button = nullptr;
    if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Up)
        button = spbUp;
    else if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Down)
        button = spbDown;
    else if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete)
        button = butDelete;
    if (!button)
        return QWidget::eventFilter(watched, event);
    // A button the page hides or disables does nothing from the keyboard either.
    if (button->isVisibleTo(this) && button->isEnabled())
        button->click();
    return true;
}

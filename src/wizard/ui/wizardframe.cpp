#include "wizardframe.h"

#include "stringtable.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QPushButton *bottomButton(const QString &objectName, int id, QWidget *parent)
{
    auto *button = new QPushButton(LoadStr(id), parent);
    button->setObjectName(objectName);
    button->setMinimumWidth(88);
    return button;
}

} // namespace

TWizardFrame::TWizardFrame(const QString &objectName, const QString &caption, const QString &pagesName,
                           QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(QFont(LoadStr(32), 9));
    setModal(true);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(pagesName);
}

void TWizardFrame::finishFrame(const QList<QWidget *> &pages, QSize size)
{
    for (QWidget *page : pages)
        m_pages->addWidget(page);

    butHelp = bottomButton(QStringLiteral("butHelp"), 8, this);
    BackButt = bottomButton(QStringLiteral("BackButt"), 1, this);
    NextButt = bottomButton(QStringLiteral("NextButt"), 0, this);
    FinishButt = bottomButton(QStringLiteral("FinishButt"), 3, this);
    CancelButt = bottomButton(QStringLiteral("CancelButt"), 7, this);
    for (QPushButton *button : {butHelp, BackButt, CancelButt})
        button->setAutoDefault(false);
    NextButt->setDefault(true);
    FinishButt->hide();
    connect(CancelButt, &QPushButton::clicked, this, &QDialog::reject);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(butHelp);
    buttons->addStretch(1);
    buttons->addWidget(BackButt);
    buttons->addWidget(NextButt);
    buttons->addWidget(FinishButt);
    buttons->addSpacing(10);
    buttons->addWidget(CancelButt);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(m_pages, 1);
    layout->addWidget(rule);
    layout->addLayout(buttons);
    resize(size);
}

int TWizardFrame::currentPage() const
{
    return m_pages->currentIndex();
}

void TWizardFrame::setCurrentPage(int index)
{
    m_pages->setCurrentIndex(index);
    BackButt->setEnabled(index != 0);
    focusPage(m_pages->currentWidget());
}

void TWizardFrame::focusPage(QWidget *page)
{
    if (!page)
        return;
    const auto takesFocus = [](const QWidget *widget) {
        return widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
    };
    if (takesFocus(page)) {
        page->setFocus(Qt::TabFocusReason);
        return;
    }
    // The focus chain runs through the whole dialog; the page's own controls follow the page.
    for (QWidget *widget = page->nextInFocusChain(); widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && widget->isVisibleTo(page) && takesFocus(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    QPushButton *forward = FinishButt->isVisibleTo(this) ? FinishButt : NextButt;
    forward->setFocus(Qt::TabFocusReason);
}

void TWizardFrame::ShowNext()
{
    // The two share one place, and the focus on one passes to the other.
    const bool hadFocus = focusWidget() == FinishButt;
    FinishButt->hide();
    NextButt->show();
    NextButt->setDefault(true);
    if (hadFocus)
        NextButt->setFocus(Qt::OtherFocusReason);
}

void TWizardFrame::ShowFinish()
{
    const bool hadFocus = focusWidget() == NextButt;
    NextButt->hide();
    FinishButt->show();
    FinishButt->setDefault(true);
    if (hadFocus)
        FinishButt->setFocus(Qt::OtherFocusReason);
}

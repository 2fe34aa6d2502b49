#include "serverwizisppage.h"

#include "wizardlabel.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QVBoxLayout>

TServerWizISPPage::TServerWizISPPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabISP"));

    lblISP = WizardLabel(QStringLiteral("lblISP"), 610, this);
    QFont heading = lblISP->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    lblISP->setFont(heading);
    Label1 = WizardLabel(QStringLiteral("Label1"), 627, this);
    Label2 = WizardLabel(QStringLiteral("Label2"), 628, this);
    for (QLabel *label : {lblISP, Label1, Label2})
        label->installEventFilter(this);

    cmbServerType = new QComboBox(this);
    cmbServerType->setObjectName(QStringLiteral("cmbServerType"));
    cmbServerType->setMinimumWidth(280);
    lblISP->setBuddy(cmbServerType);
    cmbServerType->setAccessibleName(lblISP->text());
    // The box is the page's only stop for the keyboard, so the menu keys on it ask about the page.
    cmbServerType->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(lblISP);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(8);
    layout->addWidget(cmbServerType, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

bool TServerWizISPPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto *menu = static_cast<QContextMenuEvent *>(event);
        if (watched == cmbServerType && menu->reason() != QContextMenuEvent::Keyboard)
            return QWidget::eventFilter(watched, event);
        emit whatsThisRequested(menu->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TServerWizISPPage::contextMenuEvent(QContextMenuEvent *event)
{
    emit whatsThisRequested(event->globalPos());
}

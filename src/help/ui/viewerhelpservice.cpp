#include "viewerhelpservice.h"

#include "folders.h"
#include "frmhelp.h"
#include "frmhelppopup.h"
#include "stringtable.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

TViewerHelpService::TViewerHelpService(const QString &helpFolder, QObject *parent)
    : QObject(parent), m_helpFolder(helpFolder)
{
}

QString TViewerHelpService::helpFolder() const
{
    return m_helpFolder.isEmpty() ? HelpFolder() : m_helpFolder;
}

void TViewerHelpService::keepUsable(QWidget *window)
{
    // A modal dialog (a wizard, the save notice) blocks every window that is not its own, so help
    // asked for from inside one is lent to it while it is open and handed back when it closes.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == window || modal == window->parentWidget())
        return;
    const Qt::WindowFlags flags = window->windowFlags();
    window->setParent(modal, flags);
    if (modal && modal != m_watchedModal) {
        if (m_watchedModal)
            m_watchedModal->removeEventFilter(this);
        m_watchedModal = modal;
        modal->installEventFilter(this);
    }
}

bool TViewerHelpService::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedModal && event->type() == QEvent::Hide) {
        m_watchedModal->removeEventFilter(this);
        m_watchedModal = nullptr;
        if (m_frmPopup && m_frmPopup->parent() == watched) {
            m_frmPopup->close();
            m_frmPopup->setParent(nullptr, m_frmPopup->windowFlags());
        }
        if (m_popWhatsThis && m_popWhatsThis->parent() == watched) {
            m_popWhatsThis->close();
            m_popWhatsThis->setParent(nullptr, m_popWhatsThis->windowFlags());
        }
        if (m_frmHelp && m_frmHelp->parent() == watched) {
            const bool shown = m_frmHelp->isVisible();
            m_frmHelp->setParent(nullptr, m_frmHelp->windowFlags());
            if (shown)
                m_frmHelp->show();
        }
    }
    return QObject::eventFilter(watched, event);
}

TViewerHelpService::~TViewerHelpService()
{
    delete m_popWhatsThis.data();
    delete m_frmPopup.data();
    delete m_frmHelp.data();
}

TfrmHelp &TViewerHelpService::helpWindowMade()
{
    if (!m_frmHelp)
        m_frmHelp = new TfrmHelp(helpFolder());
    keepUsable(m_frmHelp);
    return *m_frmHelp;
}

void TViewerHelpService::ShowContents()
{
    helpWindowMade().ShowContents();
}

void TViewerHelpService::ShowTopic(int topic)
{
    helpWindowMade().ShowTopic(topic);
}

void TViewerHelpService::ShowPopupTopic(int topic, QPoint globalPosition)
{
    if (!m_frmPopup) {
        m_frmPopup = new TfrmHelpPopup(helpFolder());
        connect(m_frmPopup, &TfrmHelpPopup::pageRequested, this,
                [this](const QString &file) { helpWindowMade().ShowPage(file); });
    }
    keepUsable(m_frmPopup);
    m_frmPopup->ShowTopic(topic, globalPosition);
}

void TViewerHelpService::ShowWhatsThis(int topic, QPoint globalPosition)
{
    m_helpContext = topic;
    m_whatsThisPosition = globalPosition;
    if (!m_popWhatsThis) {
        m_popWhatsThis = new QMenu;
        m_popWhatsThis->setObjectName(QStringLiteral("popWhatsThis"));
        QAction *item = m_popWhatsThis->addAction(LoadStr(5073));
        item->setObjectName(QStringLiteral("popMenWhatsThis"));
        connect(item, &QAction::triggered, this, &TViewerHelpService::popMenWhatsThisClick);
    }
    keepUsable(m_popWhatsThis);
    // popup() rather than exec(): the caller's mouse handler returns at once and the choice
    // arrives through the action, as with every other menu of the program.
    m_popWhatsThis->popup(globalPosition);
}

void TViewerHelpService::popMenWhatsThisClick()
{
    ShowWhatsThisTopic(*this, m_helpContext, m_whatsThisPosition);
}

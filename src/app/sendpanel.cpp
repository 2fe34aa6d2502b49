#include "sendpanel.h"

#include "documentcommands.h"
#include "pagedocument.h"
#include "stringtable.h"
#include "testmode.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

TSendPanel::TSendPanel(TPageDocument &document, TDocumentCommands &commands, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlSend"), QString(), LoadStr(5004), parent), m_document(document),
      m_commands(commands)
{
    m_chkLogo = new QCheckBox(LoadStr(5006), this);
    m_chkLogo->setObjectName(QStringLiteral("chkLogo"));
    m_chkLogo->setChecked(document.page().logo() == TLogoOption::On);
    contentLayout()->addStretch(1);
    contentLayout()->addWidget(m_chkLogo);
    // Only the user's clicks change the page; the box merely follows the page otherwise.
    connect(m_chkLogo, &QCheckBox::clicked, this, &TSendPanel::chkLogoClick);
    connect(&document.page(), &TPage::logoChanged, m_chkLogo,
            [this](TLogoOption logo) { m_chkLogo->setChecked(logo == TLogoOption::On); });

    m_timFlashPage = new QTimer(this);
    m_timFlashPage->setObjectName(QStringLiteral("timFlashPage"));
    m_timFlashPage->setInterval(TimerInterval(500));

    connect(&document, &TPageDocument::saved, this, &TSendPanel::refreshUploadList);
    connect(&document, &TPageDocument::pageFileSaved, this, &TSendPanel::refreshUploadList);
}

bool TSendPanel::mayEnter(TStage)
{
    return m_commands.SaveDocument();
}

void TSendPanel::enter(TStage)
{
    // Coming straight from building, the page has no HTML text yet: the page file the save
    // wrote was generated for the file only, so the text is generated and written now.
    TPage &page = m_document.page();
    if (!page.HTMLGenerated()) {
        page.generateHTML();
        m_document.savePageFile();
    }
    m_webIndex = -1;
    refreshUploadList();
    m_timFlashPage->start();
}

void TSendPanel::leave(TStage)
{
    m_timFlashPage->stop();
}

bool TSendPanel::isFlashing() const
{
    return m_timFlashPage->isActive();
}

void TSendPanel::chkLogoClick(bool checked)
{
    // The logo goes into (or out of) the page HTML text, and the page file that is sent follows.
    m_document.page().changeLogo(checked ? TLogoOption::On : TLogoOption::Off);
    m_document.savePageFile();
}

void TSendPanel::refreshUploadList() {}

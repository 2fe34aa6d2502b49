#include "sendpanel.h"

#include "documentcommands.h"
#include "pagedocument.h"
#include "sendstage.h"
#include "stringtable.h"

#include <QLabel>
#include <QVBoxLayout>

TSendPanel::TSendPanel(TPageDocument &document, TDocumentCommands &commands, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlSend"), QString(), LoadStr(5004), parent), m_document(document),
      m_commands(commands)
{
    textLabel()->setObjectName(QStringLiteral("lblUpDesc"));
    // The web needs the panel's full height below the description.
    layout()->setContentsMargins(12, 8, 12, 8);
    m_stage = new TSendStage(document, this);
    contentLayout()->addWidget(m_stage, 1);
    connect(m_stage, &TSendStage::uploadSucceeded, this, &TSendPanel::uploaded);
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
    m_stage->enterStage();
}

void TSendPanel::leave(TStage)
{
    m_stage->leaveStage();
}

bool TSendPanel::isFlashing() const
{
    return m_stage->isFlashing();
}

#include "buildhost.h"

#include "buildstage.h"
#include "folders.h"

TBuildHost::TBuildHost(TPage &page, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlBuildHost"));
    m_stage = new TBuildStage(page, this);
    m_stage->move(0, 0);
    // Pictures chosen for image blocks are copied next to the page files.
    m_stage->setHtmlFolder(HTMLFolder());
}

void TBuildHost::ClearPage()
{
    m_stage->ClearPage();
}
void TBuildHost::LoadChunk(int chunkIndex)
{
    m_stage->LoadChunk(chunkIndex);
}
void TBuildHost::selectFirstBlock()
{
    m_stage->SelectFirstBlock();
}
// Any value that is no block kind shows the empty panel.
void TBuildHost::showBlankPanel()
{
    m_stage->ShowPanel(-1);
}
bool TBuildHost::PanelLoading() const
{
    return m_stage->PanelLoading();
}
void TBuildHost::setPanelLoading(bool on)
{
    m_stage->setPanelLoading(on);
}
void TBuildHost::setDocumentLoading(bool on)
{
    m_stage->setDocumentLoading(on);
}

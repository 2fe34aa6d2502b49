#include "buildstage.h"

#include "emailpanel.h"
#include "folders.h"
#include "headingpanel.h"
#include "imagechooser.h"
#include "imagepanel.h"
#include "linepanel.h"
#include "linkpanel.h"
#include "page.h"
#include "pagecanvas.h"
#include "parapanel.h"
#include "picturebox.h"
#include "stringtable.h"

#include <QLabel>

namespace {
constexpr QPoint kPanelPosition(338, 20);
constexpr int kFontPixels = 11;
} // namespace

TBuildStage::TBuildStage(TPage &page, QWidget *parent)
    : QWidget(parent), m_page(page), m_column(page.WebChunks), m_htmlFolder(HTMLFolder())
{
    setObjectName(QStringLiteral("pnlBuild"));
    setFixedSize(629, 294);
    // The stage is laid out to the pixel for its own small font, whatever the window uses.
    QFont font(LoadStr(32));
    font.setPixelSize(kFontPixels);
    setFont(font);

    m_canvas = new TPageCanvas(page, m_column, this);
    m_canvas->move(0, 0);
    connect(m_canvas, &TPageCanvas::selectionChanged, this, &TBuildStage::ShowChunkPanel);
    connect(m_canvas, &TPageCanvas::whatsThisRequested, this, &TBuildStage::whatsThisRequested);

    m_hintLeft = new QLabel(this);
    m_hintLeft->setObjectName(QStringLiteral("lblBuildLeft"));
    m_hintLeft->move(kPanelPosition.x() + 2, 4);

    m_imagePanel = new TImagePanel(this);
    m_panels = {new TParaPanel(this),    new TLinkPanel(this),  m_imagePanel,
                new THeadingPanel(this), new TEmailPanel(this), new TLinePanel(this)};
    for (TBlockPanel *panel : m_panels) {
        panel->move(kPanelPosition);
        panel->setEditor([this](TBlockKind kind, const TBlockPanel::TRecordEdit &edit) {
            return editSelected(kind, edit);
        });
    }
    connect(m_imagePanel, &TImagePanel::spdImgFileClick, this, &TBuildStage::spdImgFileClick);

    // The hidden picture control through which chosen pictures are read and converted.
    m_pictureBox = new TPictureBox(this);
    m_pictureBox->setObjectName(QStringLiteral("PictureBox"));
    m_pictureBox->hide();

    m_blank = new QFrame(this);
    m_blank->setObjectName(QStringLiteral("pnlBlank"));
    m_blank->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_blank->setGeometry(QRect(kPanelPosition, QSize(TBlockPanel::kWidth, TBlockPanel::kHeight)));

    StringEmUp();
    ShowPanel(-1);
}

void TBuildStage::StringEmUp()
{
    m_hintLeft->setText(LoadStr(5012));
    m_hintLeft->adjustSize();
    m_canvas->StringEmUp();
    for (TBlockPanel *panel : m_panels)
        panel->StringEmUp();
}

void TBuildStage::ShowPanel(int kind)
{
    for (TBlockPanel *panel : m_panels)
        panel->hide();
    m_blank->hide();
    if (kind >= 0 && kind < kBlockKindCount) {
        m_panels[size_t(kind)]->raiseButtons();
        m_panels[size_t(kind)]->show();
    } else {
        m_blank->show();
        m_blank->raise();
    }
}

void TBuildStage::ShowChunkPanel(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= int(m_page.WebChunks.size())) {
        ShowPanel(-1);
        return;
    }
    const TWebChunk &chunk = m_page.WebChunks[size_t(chunkIndex)];
    ShowPanel(chunk.Kind());
    if (chunk.Kind() >= 0 && chunk.Kind() < kBlockKindCount)
        m_panels[size_t(chunk.Kind())]->fill(chunk, m_documentLoading ? TFocusRule::LeaveFocus
                                                                      : TFocusRule::TakeFocus);
}

bool TBuildStage::editSelected(TBlockKind kind, const TBlockPanel::TRecordEdit &edit)
{
    const int index = m_column.selectedIndex();
    if (m_panelLoading || index < 0 || index >= int(m_page.WebChunks.size()))
        return false;
    TWebChunk &chunk = m_page.WebChunks[size_t(index)];
    if (chunk.Kind() != kind)
        return false;
    edit(chunk);
    m_page.setPageModified(true);
    return true;
}

void TBuildStage::spdImgFileClick()
{
    const std::optional<TChosenImage> chosen = TImageChooser(m_htmlFolder, *m_pictureBox).choose();
    if (chosen)
        m_imagePanel->showChosenImage(*chosen);
}

void TBuildStage::ClearPage()
{
    m_page.WebChunks.clear();
    m_column.reset();
    m_canvas->syncColumn();
    ShowPanel(-1);
    m_page.PageTitle = LoadStrBytes(104);
}

bool TBuildStage::LoadChunk(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= int(m_page.WebChunks.size()))
        return false;
    // A chunk of no known kind has no record and no block to show; it is dropped.
    if (m_page.WebChunks[size_t(chunkIndex)].Kind() == bkNone) {
        m_page.WebChunks.erase(m_page.WebChunks.begin() + chunkIndex);
        m_column.chunksAppended();
        return false;
    }
    m_column.chunksAppended();
    // Only a chunk that lands in a visible slot needs widgets; the rest only move the scroll bar.
    m_canvas->syncColumn();
    return true;
}

bool TBuildStage::PlaceLoadedChunk()
{
    return LoadChunk(int(m_page.WebChunks.size()) - 1);
}

void TBuildStage::SelectBlock(int chunkIndex)
{
    const int before = m_column.selectedIndex();
    m_column.selectChunk(chunkIndex);
    m_canvas->syncColumn();
    if (m_column.selectedIndex() != before || chunkIndex >= 0)
        ShowChunkPanel(m_column.selectedIndex());
}

void TBuildStage::SelectFirstBlock()
{
    if (!m_page.WebChunks.empty())
        SelectBlock(0);
}

QStringList TBuildStage::selfCheck() const
{
    QStringList problems = m_canvas->selfCheck();
    const int selected = m_column.selectedIndex();
    const int shownKind = [this] {
        for (int kind = 0; kind < kBlockKindCount; ++kind) {
            if (m_panels[size_t(kind)]->isVisibleTo(this))
                return kind;
        }
        return -1;
    }();
    const int expectedKind = selected < 0 ? -1 : int(m_page.WebChunks[size_t(selected)].Kind());
    if (shownKind != expectedKind)
        problems << QStringLiteral("panel of kind %1 shown for the selection of kind %2")
                        .arg(shownKind)
                        .arg(expectedKind);
    return problems;
}

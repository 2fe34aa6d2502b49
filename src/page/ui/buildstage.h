#pragma once

#include "blockpanel.h"
#include "pagecolumn.h"
#include "stageview.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class TImagePanel;
class TPage;
class TPageCanvas;
class TPictureBox;

// The build stage of the main window (the panel pnlBuild): on the left the page canvas where
// blocks are dragged into the page column, on the right the editor panel of the selected block.
// It works on the page model: every drop, move, deletion and field change is written into the
// page's chunks and marks the page as modified, and blocks that a reader appends to the page, or
// a page that is cleared or replaced, show in the column at once.
class TBuildStage : public QWidget, public TStageView {
    Q_OBJECT
public:
    TBuildStage(TPage &page, QWidget *parent = nullptr);

    // TStageView. Going back to building throws the page HTML text away, so hand edits of it
    // are only given up after the user agreed.
    QWidget *stageWidget() override { return this; }
    bool mayEnter(TStage from) override;
    void enter(TStage from) override;

    // Selects a block (scrolling it into view) and shows its panel; -1 selects nothing.
    void SelectBlock(int chunkIndex);
    // Selects the first block, when the page has any.
    void SelectFirstBlock();
    int SelectedIndex() const { return m_column.selectedIndex(); }

    // The folder the chosen pictures are copied into (its "graphics" folder).
    void setHtmlFolder(const QString &folder) { m_htmlFolder = folder; }

    // Shows the panel of a kind (the blank panel for any other value) with its buttons up.
    void ShowPanel(int kind);
    void showBlankPanel() { ShowPanel(-1); }
    // Loads every caption and hint of the stage from the string table.
    void StringEmUp();

    TPageCanvas *canvas() const { return m_canvas; }
    const TPageColumn &column() const { return m_column; }
    // Every broken invariant of the column and its widgets; empty when all is sound.
    QStringList selfCheck() const;

signals:

private:
    // What the column does when the page changes underneath it.
    void ClearPage();
    void LoadChunk(int chunkIndex);
    void placeAllChunks();
    void ShowChunkPanel(int chunkIndex);
    bool editSelected(TBlockKind kind, const TBlockPanel::TRecordEdit &edit);
    void spdImgFileClick();

    TPage &m_page;
    TPageColumn m_column;
    TPageCanvas *m_canvas = nullptr;
    QLabel *m_hintLeft = nullptr; // lblBuildLeft
    std::array<TBlockPanel *, kBlockKindCount> m_panels{};
    TImagePanel *m_imagePanel = nullptr;
    QFrame *m_blank = nullptr;           // pnlBlank
    TPictureBox *m_pictureBox = nullptr; // PictureBox
    QString m_htmlFolder;
};

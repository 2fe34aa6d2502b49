#pragma once

#include "blockpanel.h"
#include "pagecolumn.h"

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
// It works on the main window's page: every drop, move, deletion and field change is written
// into the page's chunks and marks the page as modified.
class TBuildStage : public QWidget {
    Q_OBJECT
public:
    TBuildStage(TPage &page, QWidget *parent = nullptr);

    // Empties the page and the column and shows the blank panel. The title becomes the default.
    void ClearPage();
    // Places a chunk that a document reader has just appended to the page. A chunk without its
    // record gets an empty one; a chunk of no known kind is taken out of the page again (it could
    // neither be shown nor edited), and false is returned.
    bool LoadChunk(int chunkIndex);
    // Places the page's last chunk, as LoadChunk does.
    bool PlaceLoadedChunk();
    // Selects a block (scrolling it into view) and shows its panel; -1 selects nothing.
    void SelectBlock(int chunkIndex);
    // Selects the first block, when the page has any.
    void SelectFirstBlock();
    int SelectedIndex() const { return m_column.selectedIndex(); }

    // While the program fills the page or the panels itself, field changes are not stored.
    void setPanelLoading(bool loading) { m_panelLoading = loading; }
    bool PanelLoading() const { return m_panelLoading; }
    // While a document loads, filling a panel does not take the keyboard focus.
    void setDocumentLoading(bool loading) { m_documentLoading = loading; }
    bool DocumentLoading() const { return m_documentLoading; }
    // The folder the chosen pictures are copied into (its "graphics" folder).
    void setHtmlFolder(const QString &folder) { m_htmlFolder = folder; }

    // Shows the panel of a kind (the blank panel for any other value) with its buttons up.
    void ShowPanel(int kind);
    // Loads every caption and hint of the stage from the string table.
    void StringEmUp();

    TPageCanvas *canvas() const { return m_canvas; }
    const TPageColumn &column() const { return m_column; }
    // Every broken invariant of the column and its widgets; empty when all is sound.
    QStringList selfCheck() const;

signals:

private:
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
    bool m_panelLoading = false;
    bool m_documentLoading = false;
    QString m_htmlFolder;
};

#pragma once

#include <QWidget>

class TBuildStage;
class TPage;

// The build stage's place in the main window. It holds the page canvas with its toolbox,
// column, shredder and block panels (the build stage itself) and passes the document commands'
// requests on to it.
class TBuildHost : public QWidget {
    Q_OBJECT
public:
    explicit TBuildHost(TPage &page, QWidget *parent = nullptr);

    // Empties the page and the column; the page gets the default title.
    void ClearPage();
    // Puts the chunk that the document reader has just appended into the column.
    void LoadChunk(int chunkIndex);
    // Selects and highlights the first block when the page has any.
    void selectFirstBlock();
    // Shows the empty block panel in front.
    void showBlankPanel();

    // While on, the program is filling panels or the page and change handlers do nothing.
    bool PanelLoading() const;
    void setPanelLoading(bool on);
    // While on, block panels do not take the keyboard focus.
    void setDocumentLoading(bool on);

    TBuildStage *stage() const { return m_stage; }

private:
    TBuildStage *m_stage = nullptr;
};

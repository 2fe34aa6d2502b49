#pragma once

#include "stagepanel.h"

class QLabel;
class QTimer;
class TPage;

// The build stage's place in the main window. It holds the page canvas with its toolbox, column,
// shredder and block panels, passes the document commands' requests on to it, and blinks the
// hint that tells a beginner what to do until the first block is on the page.
class TBuildHost : public TStagePanel {
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
    // Keeps the shredder above the column after the stage comes to the front.
    void raiseShredder();

    // While on, the program is filling panels or the page and change handlers do nothing.
    bool PanelLoading() const { return m_panelLoading; }
    void setPanelLoading(bool on) { m_panelLoading = on; }
    // While on, block panels do not take the keyboard focus.
    void setDocumentLoading(bool on) { m_documentLoading = on; }

    // The hint blinks (shown 1000 ms, hidden 500 ms) until the first block arrives.
    bool hintBlinking() const;

private:
    void timInitTimer();
    void stopHint();
    void showBlockCount();

    TPage &m_page;
    QLabel *m_lblBuildRight = nullptr;
    QLabel *m_lblBlocks = nullptr;
    QTimer *m_timInit = nullptr;
    bool m_panelLoading = false;
    bool m_documentLoading = false;
};

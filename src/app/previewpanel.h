#pragma once

#include "stagepanel.h"
#include "stageview.h"

#include <QByteArray>

class QLineEdit;
class QTabWidget;
class TPage;
class TPageDocument;
class TPreviewStyleRow;
class TPreviewViewer;
class THTMLSourceBox;
class TStyleCatalog;

// The preview stage: the page rendered by the program's own viewer in the Web tab, the page HTML
// text in the HTML tab (memHTML), the page title and the style row. It shows the page model and
// reports the user's edits to it; hand edits of the HTML are allowed after a one-time alert.
class TPreviewPanel : public TStagePanel, public TStageView {
    Q_OBJECT
public:
    TPreviewPanel(TPageDocument &document, TStyleCatalog &styles, QWidget *parent = nullptr);

    // TStageView. Entering generates the page afresh, except when coming back from sending,
    // where the text keeps the user's hand edits and only the viewer is loaded again.
    QWidget *stageWidget() override { return this; }
    void enter(TStage from) override;

    // ---- the viewer ----
    // Applies the chosen style to the body tag, writes the preview file and renders the page.
    void ShowPreview();
    // Renders the page HTML text as it stands, keeping hand edits and the style.
    void reloadPreview();
    // Makes the Web tab active with the viewer back in it.
    void SetHTMLView();
    bool webTabActive() const;
    // Moves the viewer onto host, over all of it but the bottom strip of bottomReserve pixels,
    // and keeps it there while host changes size; restoreViewer puts it back into the Web tab.
    void enlargeViewer(QWidget *host, int bottomReserve);
    void restoreViewer();
    // Writes the page to a file and opens it in the user's browser; a failure is reported. In
    // the choose and build stages that is the page generated now with a plain body, written to
    // the preview file; later it is the page HTML text, written to the page file of a named
    // document.
    void ExternalPreview1Click(TStage current);

    // ---- styles ----
    // Applies the chosen style to the first body tag and shows the result.
    void AddBodyDef();

    // The program writes the page title into its box with this on.
    bool TitleLoading() const { return m_titleLoading; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadViewer();
    void placeEnlargedViewer();
    void showHTML();
    void setTitleText(const QByteArray &title);
    void pagePreviewChange(int index);
    void memHTMLChange();
    void lstStylesClick(int item);
    void btnEditStyleClick();
    void txtTitleChange(const QString &text);

    TPageDocument &m_document;
    TPage &m_page;
    TStyleCatalog &m_styles;

    QTabWidget *m_pagePreview = nullptr;
    QWidget *m_tabWebView = nullptr;
    TPreviewViewer *m_ctlHTML = nullptr;
    THTMLSourceBox *m_memHTML = nullptr;
    QLineEdit *m_txtTitle = nullptr;
    TPreviewStyleRow *m_styleRow = nullptr;
    QWidget *m_enlargedHost = nullptr;
    int m_bottomReserve = 0;

    bool m_previewBusy = false;
    bool m_undoingHTMLEdit = false;
    bool m_titleLoading = false;
};

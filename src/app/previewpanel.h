#pragma once

#include "stagepanel.h"
#include "stylechunk.h"

#include <QByteArray>
#include <QImage>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TPage;
class THTMLSourceBox;
class TPreviewViewer;

// The preview stage: the page rendered by the program's own viewer in the Web tab, its HTML
// source in the HTML tab (memHTML, the page HTML text), the page title and the style list with
// the Edit Styles button. Hand edits of the HTML are allowed after a one-time alert.
class TPreviewPanel : public TStagePanel {
    Q_OBJECT
public:
    explicit TPreviewPanel(TPage &page, QWidget *parent = nullptr);

    // ---- the page HTML text ----
    // What the HTML tab holds, byte for byte.
    QByteArray html() const;
    // Program writes run with HTMLUpdating on, so they are not taken as hand edits.
    void setHtml(const QByteArray &html);
    bool HTMLUpdating() const;
    // The user has changed the HTML source by hand and accepted the alert; cleared whenever
    // the preview is regenerated.
    bool HTMLEditAllowed() const { return m_htmlEditAllowed; }
    // Writes the page HTML text to path exactly as the HTML tab holds it.
    void SaveFromHTML(const QString &path) const;

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
    // A rendering of pageHTML as the viewer shows it, at the size the gallery shows documents.
    QImage MakeThumbnail(const QByteArray &pageHTML) const;
    // Saves html to file and opens it in the user's browser; a failure is reported.
    void ExternalPreview(const QString &file, const QByteArray &html);

    // ---- the page title ----
    // The page-title edit, written by the program with TitleLoading on.
    void setTitleText(const QByteArray &title);
    bool TitleLoading() const { return m_titleLoading; }

    // ---- styles ----
    // Reads "Styles.data" again and refills the list; a damaged file gives what could be read.
    void LoadStyles();
    const TStyleList &StyleList() const { return m_styles; }
    // The style of the selected item; none for "[None]" or no selection.
    const TStyleChunk *chosenStyle() const;
    QByteArray selectedStyleName() const;
    int selectedStyleIndex() const;
    void selectStyleIndex(int index);
    // Selects the entry whose text equals name without regard to case; no match changes nothing.
    void SelectStyleByName(const QByteArray &name);
    // Applies the chosen style to the first body tag and shows the result.
    void AddBodyDef();

    // While the program fills the page, clicks in the style list and title edits do nothing.
    void setPanelLoading(bool on) { m_panelLoading = on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStyleRow();
    void ShowStyles();
    void loadViewer();
    void placeEnlargedViewer();
    void pagePreviewChange(int index);
    void memHTMLChange();
    void lstStylesClick();
    void btnEditStyleClick();
    void txtTitleChange(const QString &text);

    TPage &m_page;
    TStyleList m_styles;

    QTabWidget *m_pagePreview = nullptr;
    QWidget *m_tabWebView = nullptr;
    TPreviewViewer *m_ctlHTML = nullptr;
    THTMLSourceBox *m_memHTML = nullptr;
    QLineEdit *m_txtTitle = nullptr;
    QListWidget *m_lstStyles = nullptr;
    QPushButton *m_btnEditStyle = nullptr;
    QWidget *m_enlargedHost = nullptr;
    int m_bottomReserve = 0;

    bool m_previewBusy = false;
    bool m_htmlEditAllowed = false;
    bool m_undoingHTMLEdit = false;
    bool m_titleLoading = false;
    bool m_panelLoading = false;
    // Set while the program fills or selects in the style list, which is no click of the user's.
    bool m_styleLoading = false;
};

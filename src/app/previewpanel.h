#pragma once

#include "stagepanel.h"

#include <QByteArray>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

// The preview stage: the generated page shown in the Web tab, its HTML source in the HTML tab
// (memHTML, the page HTML text), the page title and the style list.
class TPreviewPanel : public TStagePanel {
    Q_OBJECT
public:
    explicit TPreviewPanel(QWidget *parent = nullptr);

    // The page HTML text: what the memo holds, as page bytes.
    QByteArray html() const;
    // Program writes to the memo run with HTMLUpdating on, so they are not taken as hand edits.
    void setHtml(const QByteArray &html);
    bool HTMLUpdating() const { return m_htmlUpdating; }

    // The user has changed the HTML source by hand; cleared whenever the preview is regenerated.
    bool HTMLEditAllowed() const { return m_htmlEditAllowed; }
    void setHTMLEditAllowed(bool allowed) { m_htmlEditAllowed = allowed; }

    // Renders the memo's text in the viewer; a regenerated page carries no hand edits.
    void ShowPreview();
    // Shows the tab the user last chose.
    void SetHTMLView();

    // The page-title edit, written by the program with TitleLoading on.
    void setTitleText(const QByteArray &title);
    bool TitleLoading() const { return m_titleLoading; }

    // The style list box: "[None]" followed by the names of the style list.
    void setStyleNames(const QList<QByteArray> &names);
    QByteArray selectedStyleName() const;
    int selectedStyleIndex() const;
    void selectStyleIndex(int index);
    // Selects the entry whose text equals name without regard to case; no match changes nothing.
    void SelectStyleByName(const QByteArray &name);

signals:
    // The user typed in the page-title edit.
    void titleEdited(const QByteArray &title);

private:
    QTabWidget *m_pagePreview = nullptr;
    QPlainTextEdit *m_memHTML = nullptr;
    QLineEdit *m_txtTitle = nullptr;
    QListWidget *m_lstStyles = nullptr;
    bool m_htmlUpdating = false;
    bool m_htmlEditAllowed = false;
    bool m_titleLoading = false;
};

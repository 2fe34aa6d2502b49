#pragma once

#include "pagehtml.h"
#include "stylechunk.h"
#include "webchunk.h"

#include <QObject>
#include <QStringList>

#include <optional>

// The page being built, and everything the program knows about it besides the file it lives
// in: its blocks in order, its title, the chosen style, whether it ends with the logo link, the
// page HTML text once it has been generated (and whether the user has edited it by hand), and
// whether the page changed since it was last saved or loaded.
//
// Widgets show the page and report the user's edits to it; they keep no page state of their
// own. Operations named after the user's edits (changeTitle, chooseStyle, changeLogo, editHTML)
// do what the edit means for the page HTML text and the modified flag; the plain setters only
// record a value, as a loader or the program itself does.
class TPage : public QObject {
    Q_OBJECT
public:
    explicit TPage(QObject *parent = nullptr);

    // The title of a new page, string-table entry 104.
    static QByteArray defaultTitle();
    // The name a document stores for a page without a style, the style list's "[None]".
    static QByteArray noStyleName();

    // ---- blocks ----
    const TWebChunkList &WebChunks() const { return m_chunks; }
    // The list itself, for the build stage's column, which inserts, moves and deletes blocks and
    // edits their records in place; it marks the page modified after each such edit.
    TWebChunkList &editableChunks() { return m_chunks; }
    // Appends a block read from a document. A block of no known kind is refused: it could neither
    // be shown nor edited.
    bool appendChunk(TWebChunk chunk);
    // Puts a whole list of blocks on the page at once, replacing the blocks it had; blocks of no
    // known kind are left out.
    void setChunks(TWebChunkList chunks);
    // Empties the page for a new page, a template or a document about to be read: no blocks, the
    // default title, the logo on. The style, the page HTML text and the modified flag are left to
    // the caller, which decides them separately.
    void clear();

    // ---- title ----
    const QByteArray &PageTitle() const { return m_title; }
    void setPageTitle(const QByteArray &title);
    // The user typed a new title: it replaces the first TITLE element of the page HTML text and
    // the page counts as changed.
    void changeTitle(const QByteArray &title);

    // ---- style ----
    // The chosen style; none stands for "[None]".
    const std::optional<TStyleChunk> &style() const { return m_style; }
    // The name a document stores for the chosen style.
    QByteArray StyleName() const;
    void setStyle(std::optional<TStyleChunk> style);
    // Applies the chosen style to the first body start tag of the page HTML text, which may hold
    // hand edits; everything else in the text stays as it is.
    void applyStyle();
    // The user chose a style: it is applied to the page HTML text and the page counts as changed.
    void chooseStyle(std::optional<TStyleChunk> style);

    // ---- logo ----
    TLogoOption logo() const { return m_logo; }
    void setLogo(TLogoOption logo);
    // The user switched the logo on or off: it is inserted into or removed from the page HTML
    // text as well. Documents do not store the logo, so the page does not count as changed.
    void changeLogo(TLogoOption logo);

    // ---- the page HTML text ----
    // Until the page is generated there is no page HTML text at all; the choose and build stages
    // discard it, so that the next stage generates it afresh from the blocks.
    bool HTMLGenerated() const { return m_html.has_value(); }
    // The page HTML text; empty while none has been generated.
    QByteArray PageHTML() const { return m_html.value_or(QByteArray()); }
    // Generates the page HTML text from the blocks, with the chosen style applied to its body.
    // Earlier hand edits are lost.
    void generateHTML();
    void discardHTML();
    // The user edited the page HTML text by hand; text is the whole text after the edit.
    void editHTML(const QByteArray &text);
    // The text holds hand edits the user made since the preview last showed it anew; going back
    // to building would lose them, so the user is asked first.
    bool HTMLHandEdited() const { return m_handEdited; }
    // The preview shows the text anew; edits from now on are asked about again.
    void previewShown();
    // The text the page file gets and the thumbnail shows: the page HTML text once generated,
    // else the page generated now for that use only, leaving the page without a text.
    QByteArray currentHTML();
    // The page generated from the blocks now, without keeping it: with the chosen style applied
    // to the body, or with the plain body that the external preview of the build stage shows.
    enum class TBodyStyle { Plain, Chosen };
    QByteArray buildHTML(TBodyStyle body);

    // ---- changes and loading ----
    bool PageModified() const { return m_modified; }
    void setPageModified(bool modified);
    // On while the program fills the page or the panels itself: change handlers then take
    // nothing for an edit of the user's.
    bool PanelLoading() const { return m_panelLoading; }
    void setPanelLoading(bool on) { m_panelLoading = on; }
    // On while a document is read into the page: filling a block panel then leaves the
    // keyboard focus where it is.
    bool DocumentLoading() const { return m_documentLoading; }
    void setDocumentLoading(bool on) { m_documentLoading = on; }

    // Every broken invariant of the page, described; empty when the page is sound.
    QStringList selfCheck() const;

signals:
    void cleared();
    // A block was appended by a reader; index is its place in WebChunks.
    void chunkAppended(int index);
    void chunksReplaced();
    void titleChanged(const QByteArray &title);
    void styleChanged();
    void logoChanged(TLogoOption logo);
    // The page HTML text was generated, discarded or changed.
    void htmlChanged();
    void modifiedChanged(bool modified);

private:
    void setHTML(std::optional<QByteArray> html);

    TWebChunkList m_chunks;
    QByteArray m_title;
    std::optional<TStyleChunk> m_style;
    TLogoOption m_logo = TLogoOption::On;
    std::optional<QByteArray> m_html;
    bool m_handEdited = false;
    bool m_modified = false;
    bool m_panelLoading = false;
    bool m_documentLoading = false;
};

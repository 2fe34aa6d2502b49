#pragma once

#include "blockhtml.h"
#include "stylechunk.h"
#include "webchunk.h"

#include <QByteArray>

class TPage;

// Whether the page carries the small logo link at its end.
enum class TLogoOption { Off, On };

// What the page generator needs besides the blocks and the title.
struct TPageHTMLSettings {
    TBuildOptions Options = boPreview;
    // The chosen style, or none for "[None]". Only an export writes it into the generated body
    // tag; the preview and the page file get it later through AddBodyDef.
    const TStyleChunk *Style = nullptr;
    TLogoOption Logo = TLogoOption::On;
    TExportFolders Export;
};

// The logo link, one constant for inserting and for finding it again to remove it.
extern const QByteArray LogoHTML;

// The whole page as one text. Runs every block's emitter, so each chunk's HTML is rewritten.
QByteArray BuildPageHTML(TWebChunkList &chunks, const QByteArray &pageTitle,
                         const TPageHTMLSettings &settings);
QByteArray BuildPageHTML(TPage &page, const TPageHTMLSettings &settings);

// The body start tag of a style, ending with CR LF.
QByteArray BuildBodyWithStyle(const TStyleChunk &style);

// The changes the program makes in place on the page HTML text, which may hold hand edits:

// Applies a style (none for "[None]") to the first body start tag. When no style list item is
// selected at all the caller leaves the text alone instead.
QByteArray AddBodyDef(const QByteArray &pageHTML, const TStyleChunk *style);
// Puts title into the first TITLE element, as typing in the title box does.
QByteArray ChangeTitleHTML(const QByteArray &pageHTML, const QByteArray &title);
// Inserts the logo before the end of the body, or removes it, as the logo check box does.
QByteArray ChangeLogoHTML(const QByteArray &pageHTML, TLogoOption logo);

#include "pagehtml.h"

#include "colourtext.h"
#include "helpers.h"
#include "page.h"
#include "textcodec.h"

namespace {

constexpr char CRLF[] = "\r\n";

QByteArray logoBlock()
{
    return "<CENTER>" + LogoHTML + "</CENTER>" + CRLF;
}

} // namespace

const QByteArray LogoHTML = QByteArrayLiteral(
    "<BR><BR><A HREF=\"http://www.pellory.com/zorvin/\"><IMG SRC=\"graphics/button.gif\"></A>");

QByteArray BuildBodyWithStyle(const TStyleChunk &style)
{
    QByteArray body = "<BODY";
    if (!style.BackImage.isEmpty()) {
        QByteArray image = style.BackImage.toLower();
        image.replace('\\', '/');
        body += " BACKGROUND=\"" + image + "\"";
    }
    body += " BGCOLOR=\"#" + ColourToHTML(style.BackColour) + "\"";
    body += " TEXT=\"#" + ColourToHTML(style.DocColour) + "\"";
    body += " LINK=\"#" + ColourToHTML(style.StandardColour) + "\"";
    body += " ALINK=\"#" + ColourToHTML(style.ActiveColour) + "\"";
    body += " VLINK=\"#" + ColourToHTML(style.VisitedColour) + "\"";
    body += QByteArray(">") + CRLF;
    return body;
}

QByteArray BuildPageHTML(TWebChunkList &chunks, const QByteArray &pageTitle,
                         const TPageHTMLSettings &settings)
{
    const bool forExport = settings.Options.testFlag(boForExport);
    const bool copyFiles = forExport && settings.Options.testFlag(boCopyFiles);
    const QString &editor = settings.Export.EditorFolder;
    const QString &program = settings.Export.ProgramFolder;

    QByteArray html;
    qsizetype estimate = 512 + pageTitle.size();
    for (const TWebChunk &chunk : chunks)
        estimate += chunk.HTML.size() + 64;
    html.reserve(estimate);

    html += QByteArray("<HTML>") + CRLF;
    html += QByteArray("<HEAD>") + CRLF;
    html += "<TITLE>" + pageTitle + "</TITLE>" + CRLF;
    html += QByteArray("<META NAME=\"Generator\" CONTENT=\"Zorvin Express V1.0 (Win95)\">") + CRLF;
    html += QByteArray("<META NAME=\"Description\" CONTENT=\"Zorvin Express Document\">") + CRLF;
    html += QByteArray("</HEAD>") + CRLF;
    // The preview and the page file get their style from AddBodyDef afterwards, so that a
    // different style can be chosen without generating the page again.
    if (settings.Style && forExport)
        html += BuildBodyWithStyle(*settings.Style) + CRLF;
    else
        html += QByteArray("<BODY>") + CRLF;

    for (TWebChunk &chunk : chunks) {
        ChunkToHTML(chunk, settings.Options, settings.Export);
        html += chunk.HTML;
        html += CRLF;
    }

    if (settings.Logo == TLogoOption::On) {
        html += logoBlock();
        if (forExport && !editor.isEmpty()) {
            CopyForExport(PathJoin(program, QStringLiteral("HTMLFiles/graphics/button.gif")),
                          PathJoin(editor, QStringLiteral("HTMLFiles/Graphics/Button.gif")));
        }
    }
    if (settings.Style && copyFiles && !editor.isEmpty() && !settings.Style->BackImage.isEmpty()) {
        const QString image = DecodePageText(settings.Style->BackImage);
        CopyForExport(PathJoin(PathJoin(program, QStringLiteral("HTMLFiles")), image),
                      PathJoin(PathJoin(editor, QStringLiteral("HTMLFiles")), image));
    }

    html += QByteArray("</BODY>") + CRLF;
    html += QByteArray("</HTML>") + CRLF;
    return html;
}

QByteArray BuildPageHTML(TPage &page, const TPageHTMLSettings &settings)
{
    return BuildPageHTML(page.editableChunks(), page.PageTitle(), settings);
}

QByteArray AddBodyDef(const QByteArray &pageHTML, const TStyleChunk *style)
{
    QByteArray body = style ? BuildBodyWithStyle(*style) : QByteArray("<BODY>");
    body.replace(CRLF, "");
    return ReplaceBetween(pageHTML, "<BODY", ">", body);
}

QByteArray ChangeTitleHTML(const QByteArray &pageHTML, const QByteArray &title)
{
    return ReplaceBetween(pageHTML, "<TITLE>", "</TITLE>", "<TITLE>" + title + "</TITLE>");
}

QByteArray ChangeLogoHTML(const QByteArray &pageHTML, TLogoOption logo)
{
    if (logo == TLogoOption::On) {
        // A page that already shows the logo keeps one logo, not two.
        if (pageHTML.contains("<CENTER>" + LogoHTML))
            return pageHTML;
        return ReplaceBetween(pageHTML, "</BODY>", "</HTML>",
                              logoBlock() + "</BODY>" + CRLF + "</HTML>" + CRLF);
    }
    return ReplaceBetween(pageHTML, "<CENTER>" + LogoHTML, "</CENTER>", QByteArray());
}

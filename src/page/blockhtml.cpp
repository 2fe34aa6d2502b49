#include "blockhtml.h"

#include "helpers.h"
#include "textcodec.h"

#include <QFile>

namespace {

constexpr char CRLF[] = "\r\n";

// The level or size digit of a heading size or line thickness item ("3 (Large)" gives "3").
// An empty item, possible only in a damaged document, counts as the first item of its list.
QByteArray firstCharacter(const QByteArray &item, const QByteArray &fallback)
{
    return (item.isEmpty() ? fallback : item).left(1);
}

const TBlockHeading kDefaultHeading;
const TBlockLine kDefaultLine;

} // namespace

void ParaToHTML(TWebChunk &chunk)
{
    const TBlockPara para = chunk.Para.value_or(TBlockPara());
    QByteArray &html = chunk.HTML;
    html.clear();
    if (para.Align != baNone)
        html += "<P ALIGN=" + AlignWord(para.Align) + ">" + CRLF;
    // Each typed line break becomes a visible one; the LF after the CR stays where it is.
    html += ReplaceAll(para.Text, "\r", "<BR>\r");
    if (para.Align != baNone)
        html += QByteArray("</P>") + CRLF;
    if (para.NewLine == 1)
        html += QByteArray("<BR>") + CRLF;
}

void LinkToHTML(TWebChunk &chunk)
{
    const TBlockLink link = chunk.Link.value_or(TBlockLink());
    QByteArray &html = chunk.HTML;
    html.clear();
    if (link.Align != baNone)
        html += "<DIV ALIGN=" + AlignWord(link.Align) + ">" + CRLF;
    html += link.PreText + " ";
    html += "<A HREF=\"" + link.URL + "\">";
    html += link.LinkText + "</A> ";
    html += link.PostText + CRLF;
    if (link.Align != baNone)
        html += QByteArray("</DIV>") + CRLF;
    if (link.NewLine == 1)
        html += QByteArray("<BR>") + CRLF;
}

void EmailToHTML(TWebChunk &chunk)
{
    const TBlockEmail email = chunk.Email.value_or(TBlockEmail());
    QByteArray &html = chunk.HTML;
    html.clear();
    if (email.Align != baNone)
        html += "<DIV ALIGN=" + AlignWord(email.Align) + ">" + CRLF;
    html += email.PreText + " <A HREF=\"mailto:" + email.Address + "\">";
    html += email.LinkText + "</A> ";
    html += email.PostText + CRLF;
    // No line end after the closing DIV: the preview recognises "</DIV><BR>" as one unit.
    if (email.Align != baNone)
        html += "</DIV>";
    if (email.NewLine == 1)
        html += QByteArray("<BR>") + CRLF;
}

void HeadingToHTML(TWebChunk &chunk)
{
    const TBlockHeading heading = chunk.Heading.value_or(TBlockHeading());
    const QByteArray level = firstCharacter(heading.Size, kDefaultHeading.Size);
    QByteArray &html = chunk.HTML;
    html = "<H" + level;
    if (heading.Align != baNone)
        html += " ALIGN=" + AlignWord(heading.Align);
    html += ">" + heading.Text;
    html += "</H" + level + ">" + CRLF;
    // The heading's new-line flag is not written: documents do not keep it, so a page would
    // change its look after being saved and opened again.
}

void LineToHTML(TWebChunk &chunk)
{
    const TBlockLine line = chunk.Line.value_or(TBlockLine());
    QByteArray &html = chunk.HTML;
    html = "<HR";
    if (!line.Width.isEmpty())
        html += " WIDTH=" + line.Width + "%";
    html += " SIZE=" + firstCharacter(line.Thickness, kDefaultLine.Thickness) + ">" + CRLF;
}

void ImageToHTML(TWebChunk &chunk, TBuildOptions options, const TExportFolders &folders)
{
    const TBlockImage image = chunk.Image.value_or(TBlockImage());
    // The default "http://" means that the user has not given a link.
    const bool linked = !image.LinkURL.isEmpty() && image.LinkURL != "http://";
    QByteArray &html = chunk.HTML;
    html.clear();
    if (image.Align == baCenter)
        html += QByteArray("<CENTER>") + CRLF;
    if (linked)
        html += "<A HREF=\"" + image.LinkURL + "\">" + CRLF;
    QByteArray source = image.FileName;
    source.replace('\\', '/');
    html += "<IMG SRC=\"" + source + "\"";
    if (!image.Height.isEmpty())
        html += " HEIGHT=" + image.Height;
    if (!image.Width.isEmpty())
        html += " WIDTH=" + image.Width;
    if (image.Align == baLeft || image.Align == baRight)
        html += " ALIGN=" + AlignWord(image.Align);
    if (!image.AltText.isEmpty())
        html += " ALT=\"" + image.AltText + "\"";
    html += QByteArray(">") + CRLF;
    if (linked)
        html += QByteArray("</A>") + CRLF;
    if (image.Align == baCenter)
        html += QByteArray("</CENTER>") + CRLF;
    if (image.NewLine == 1)
        html += QByteArray("<BR>") + CRLF;

    if (options.testFlags(boForExport | boCopyFiles) && !folders.EditorFolder.isEmpty()) {
        // The program's own copies of pictures carry lower-case names.
        const QString name = FileNamePart(DecodePageText(image.FileName));
        const QString graphics = PathJoin(PathJoin(folders.ProgramFolder, QStringLiteral("HTMLFiles")),
                                          QStringLiteral("graphics"));
        const QString target = PathJoin(
            PathJoin(PathJoin(folders.EditorFolder, QStringLiteral("HTMLFiles")), QStringLiteral("Graphics")),
            name);
        if (!name.isEmpty())
            CopyForExport(PathJoin(graphics, name.toLower()), target);
    }
}

void ChunkToHTML(TWebChunk &chunk, TBuildOptions options, const TExportFolders &folders)
{
    switch (chunk.Kind) {
    case bkPara:
        ParaToHTML(chunk);
        break;
    case bkLink:
        LinkToHTML(chunk);
        break;
    case bkImage:
        ImageToHTML(chunk, options, folders);
        break;
    case bkHeading:
        HeadingToHTML(chunk);
        break;
    case bkEmail:
        EmailToHTML(chunk);
        break;
    case bkLine:
        LineToHTML(chunk);
        break;
    default:
        chunk.HTML.clear();
        break;
    }
}

void CopyForExport(const QString &source, const QString &destination)
{
    const QString from = NativePath(source);
    const QString to = NativePath(destination);
    if (!QFile::exists(from))
        return;
    QFile::remove(to);
    QFile::copy(from, to);
}

#include "blockhtml.h"

#include "helpers.h"
#include "textcodec.h"

#include <QFile>
#include <QStringBuilder>

#include <algorithm>

namespace {

// The level or size digit of a heading size or line thickness item ("3 (Large)" gives "3").
// An empty item, possible only in a damaged document, counts as the first item of its list.
QByteArrayView firstCharacter(const QByteArray &item, const QByteArray &fallback)
{
    return QByteArrayView(item.isEmpty() ? fallback : item).first(1);
}

// The chunk's record of type Record, or the defaults of that kind for a chunk of another kind.
template <typename Record> const Record &recordOf(const TWebChunk &chunk)
{
    static const Record defaults;
    const Record *record = chunk.As<Record>();
    return record ? *record : defaults;
}

// Starts a chunk's fragment anew, keeping the buffer of the last generation for the new text.
QByteArray &restart(TWebChunk &chunk)
{
    chunk.HTML.truncate(0);
    return chunk.HTML;
}

} // namespace

// The emitters append with QStringBuilder (%), which writes each piece straight into the
// fragment instead of building temporary texts: a page of many blocks is generated at the
// speed of copying its text.

void ParaToHTML(TWebChunk &chunk)
{
    const TBlockPara &para = recordOf<TBlockPara>(chunk);
    QByteArray &html = restart(chunk);
    if (para.Align != baNone)
        html += "<P ALIGN=" % AlignWord(para.Align) % ">\r\n";
    // Each typed line break becomes a visible one; the LF after the CR stays where it is.
    if (para.Text.contains('\r'))
        html += ReplaceAll(para.Text, "\r", "<BR>\r");
    else
        html += para.Text;
    if (para.Align != baNone)
        html += "</P>\r\n";
    if (para.NewLine == 1)
        html += "<BR>\r\n";
}

void LinkToHTML(TWebChunk &chunk)
{
    const TBlockLink &link = recordOf<TBlockLink>(chunk);
    QByteArray &html = restart(chunk);
    if (link.Align != baNone)
        html += "<DIV ALIGN=" % AlignWord(link.Align) % ">\r\n";
    html +=
        link.PreText % " <A HREF=\"" % link.URL % "\">" % link.LinkText % "</A> " % link.PostText % "\r\n";
    if (link.Align != baNone)
        html += "</DIV>\r\n";
    if (link.NewLine == 1)
        html += "<BR>\r\n";
}

void EmailToHTML(TWebChunk &chunk)
{
    const TBlockEmail &email = recordOf<TBlockEmail>(chunk);
    QByteArray &html = restart(chunk);
    if (email.Align != baNone)
        html += "<DIV ALIGN=" % AlignWord(email.Align) % ">\r\n";
    html += email.PreText % " <A HREF=\"mailto:" % email.Address % "\">" % email.LinkText % "</A> " %
            email.PostText % "\r\n";
    // No line end after the closing DIV: the preview recognises "</DIV><BR>" as one unit.
    if (email.Align != baNone)
        html += "</DIV>";
    if (email.NewLine == 1)
        html += "<BR>\r\n";
}

void HeadingToHTML(TWebChunk &chunk)
{
    const TBlockHeading &heading = recordOf<TBlockHeading>(chunk);
    const QByteArrayView level = firstCharacter(heading.Size, TBlockHeading().Size);
    QByteArray &html = restart(chunk);
    html += "<H" % level;
    if (heading.Align != baNone)
        html += " ALIGN=" % AlignWord(heading.Align);
    html += ">" % heading.Text % "</H" % level % ">\r\n";
    // The heading's new-line flag is not written: documents do not keep it, so a page would
    // change its look after being saved and opened again.
}

void LineToHTML(TWebChunk &chunk)
{
    const TBlockLine &line = recordOf<TBlockLine>(chunk);
    QByteArray &html = restart(chunk);
    html += "<HR";
    if (!line.Width.isEmpty())
        html += " WIDTH=" % line.Width % "%";
    html += " SIZE=" % firstCharacter(line.Thickness, TBlockLine().Thickness) % ">\r\n";
}

void ImageToHTML(TWebChunk &chunk, TBuildOptions options, const TExportFolders &folders)
{
    const TBlockImage &image = recordOf<TBlockImage>(chunk);
    // The default "http://" means that the user has not given a link.
    const bool linked = !image.LinkURL.isEmpty() && image.LinkURL != "http://";
    QByteArray &html = restart(chunk);
    if (image.Align == baCenter)
        html += "<CENTER>\r\n";
    if (linked)
        html += "<A HREF=\"" % image.LinkURL % "\">\r\n";
    const qsizetype sourceAt = html.size() + 10;
    html += "<IMG SRC=\"" % image.FileName % "\"";
    // Pages use the web's separator; the stored path keeps the backslashes of the picture chooser.
    std::replace(html.begin() + sourceAt, html.end(), '\\', '/');
    if (!image.Height.isEmpty())
        html += " HEIGHT=" % image.Height;
    if (!image.Width.isEmpty())
        html += " WIDTH=" % image.Width;
    if (image.Align == baLeft || image.Align == baRight)
        html += " ALIGN=" % AlignWord(image.Align);
    if (!image.AltText.isEmpty())
        html += " ALT=\"" % image.AltText % "\"";
    html += ">\r\n";
    if (linked)
        html += "</A>\r\n";
    if (image.Align == baCenter)
        html += "</CENTER>\r\n";
    if (image.NewLine == 1)
        html += "<BR>\r\n";

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
    switch (chunk.Kind()) {
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

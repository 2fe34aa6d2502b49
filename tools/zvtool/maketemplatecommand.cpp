// zvtool make-template DESCRIPTION.json OUT.zvt
// Makes a shipped template from a short description: the builder document written by the
// program's own writer, and beside it the gallery thumbnail made by the preview's own
// thumbnail maker, so the miniature is exactly what the preview of the page shows. Run it with
// ZORVIN_HOME set to the program folder whose Styles.data and pictures the template uses.
//
// The description: {"style": "Sunny Meadow", "title": "...", "blocks": [ ... ]}, each block one
// object whose first key names its kind:
//   {"heading": "Text", "size": 1..6, "align": "center"}
//   {"para": "Text, lines split by \n", "align": "left"}        (align defaults to left)
//   {"image": "graphics\\name.png", "width": "160", "height": "120", "alt": "...", "link": "..."}
//   {"link": "Link text", "url": "http://...", "pre": "...", "post": "..."}
//   {"email": "me@example.com", "text": "Write to me", "pre": "...", "post": "..."}
//   {"line": "", "width": "80", "thickness": 1..6}
// Every block also takes "align" (left, center, right) and "newline" (true adds a line break).
#include "builderdocument.h"
#include "command.h"
#include "folders.h"
#include "pagehtml.h"
#include "stringtable.h"
#include "stylesfile.h"
#include "textcodec.h"
#include "thumbnail.h"
#include "thumbnailmaker.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray text(const QJsonObject &block, const char *key)
{
    return EncodePageText(block.value(QLatin1String(key)).toString());
}

TBlockAlign alignOf(const QJsonObject &block, TBlockAlign fallback)
{
    const QString word = block.value(QLatin1String("align")).toString().toLower();
    if (word == QLatin1String("left"))
        return baLeft;
    if (word == QLatin1String("center"))
        return baCenter;
    if (word == QLatin1String("right"))
        return baRight;
    return fallback;
}

// The sizes and thicknesses as the block panels offer them, from the string table.
QByteArray sizeChoice(const QJsonObject &block, const char *key, int firstId, int fallback)
{
    const int level = qBound(1, block.value(QLatin1String(key)).toInt(fallback), 6);
    return LoadStrBytes(firstId + level - 1);
}

// One block from its description; an error text when the block names no kind.
std::optional<TWebChunk> chunkOf(const QJsonObject &block, QString &error)
{
    const uint8_t newLine = block.value(QLatin1String("newline")).toBool() ? 1 : 0;
    if (block.contains(QLatin1String("heading"))) {
        TBlockHeading heading;
        heading.Text = text(block, "heading");
        heading.Size = sizeChoice(block, "size", 23, 1);
        heading.Align = alignOf(block, baNone);
        return MakeWebChunk(heading);
    }
    if (block.contains(QLatin1String("para"))) {
        TBlockPara para;
        // A typed line break is CR LF in the block's text.
        para.Text = text(block, "para").replace("\n", "\r\n");
        para.Align = alignOf(block, baLeft);
        para.NewLine = newLine;
        return MakeWebChunk(para);
    }
    if (block.contains(QLatin1String("image"))) {
        TBlockImage image;
        image.FileName = text(block, "image");
        image.Width = text(block, "width");
        image.Height = text(block, "height");
        image.AltText = text(block, "alt");
        if (block.contains(QLatin1String("link")))
            image.LinkURL = text(block, "link");
        image.Align = alignOf(block, baCenter);
        image.NewLine = newLine;
        return MakeWebChunk(image);
    }
    if (block.contains(QLatin1String("link"))) {
        TBlockLink link;
        link.LinkText = text(block, "link");
        link.URL = text(block, "url");
        link.PreText = text(block, "pre");
        link.PostText = text(block, "post");
        link.Align = alignOf(block, baNone);
        link.NewLine = newLine;
        return MakeWebChunk(link);
    }
    if (block.contains(QLatin1String("email"))) {
        TBlockEmail email;
        email.Address = text(block, "email");
        email.LinkText = block.contains(QLatin1String("text")) ? text(block, "text") : email.Address;
        email.PreText = text(block, "pre");
        email.PostText = text(block, "post");
        email.Align = alignOf(block, baNone);
        email.NewLine = newLine;
        return MakeWebChunk(email);
    }
    if (block.contains(QLatin1String("line"))) {
        TBlockLine line;
        line.Width = text(block, "width");
        line.Thickness = sizeChoice(block, "thickness", 17, 1);
        return MakeWebChunk(line);
    }
    error = QStringLiteral("a block of no known kind: ") +
            QString::fromUtf8(QJsonDocument(block).toJson(QJsonDocument::Compact));
    return std::nullopt;
}

int runMakeTemplate(const QStringList &args)
{
    if (args.size() != 2)
        return zvFail(QStringLiteral("usage: zvtool make-template DESCRIPTION.json OUT.zvt"));
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly))
        return zvFail(QStringLiteral("cannot read ") + args[0]);
    QJsonParseError parseError;
    const QJsonDocument description = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!description.isObject())
        return zvFail(args[0] + QStringLiteral(": ") + parseError.errorString());
    const QJsonObject root = description.object();

    const QByteArray styleName = EncodePageText(root.value(QLatin1String("style")).toString());
    const TStylesRead styles = LoadStyles(StylesFileName());
    // The list item of a style counts "[None]" first; a template always names a real style.
    const int styleIndex = StyleItemIndex(styles.Styles, styleName) - 1;
    if (styleIndex < 0)
        return zvFail(
            QStringLiteral("no style '%1' in %2").arg(QString::fromLatin1(styleName), StylesFileName()));
    const TStyleChunk &style = styles.Styles[size_t(styleIndex)];

    TWebChunkList chunks;
    for (const QJsonValue &value : root.value(QLatin1String("blocks")).toArray()) {
        QString error;
        const std::optional<TWebChunk> chunk = chunkOf(value.toObject(), error);
        if (!chunk)
            return zvFail(error);
        chunks.push_back(*chunk);
    }
    const QByteArray title = EncodePageText(root.value(QLatin1String("title")).toString());

    const QString out = args[1];
    QString error;
    if (!WriteDocument(out, styleName, title, chunks, &error))
        return zvFail(error);

    // The page as the preview stage generates it for a freshly loaded template.
    TPageHTMLSettings settings;
    settings.Options = boPreview;
    settings.Style = &style;
    settings.Logo = TLogoOption::On;
    const QByteArray html = AddBodyDef(BuildPageHTML(chunks, title, settings), &style);
    if (!SaveThumbnail(out, MakeThumbnail(html, ThumbnailSize)))
        return zvFail(QStringLiteral("cannot write the thumbnail of ") + out);
    return 0;
}

const ZvCommand makeTemplate{"make-template", "make a template and its thumbnail from a description", true,
                             runMakeTemplate};

} // namespace

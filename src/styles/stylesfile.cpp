#include "stylesfile.h"

#include "bytecursor.h"
#include "colourtext.h"
#include "filebytes.h"
#include "filestring.h"
#include "helpers.h"
#include "savebytes.h"
#include "stringtable.h"
#include "textcodec.h"

namespace {

TStylesRead stopped(TStylesRead read, TStylesReadStatus status, const QString &error)
{
    read.Status = status;
    read.Error = error;
    return read;
}

} // namespace

QString StylesFilePath(const QString &programFolder)
{
    return PathJoin(programFolder, QStringLiteral("Styles.data"));
}

TStylesRead ReadStyles(QByteArrayView bytes)
{
    TStylesRead read;
    TByteCursor in(bytes);
    int32_t count = 0;
    if (!in.readInt32(count))
        return stopped(read, TStylesReadStatus::Truncated, QStringLiteral("The style list file is empty."));
    // The count is not trusted for reserving memory: a damaged file may claim billions of
    // styles, and every style read is checked against the bytes that are really left.
    for (int32_t i = 0; i < count; ++i) {
        TStyleChunk style;
        QByteArray texts[5];
        bool complete = ReadFileString(in, style.StyleName) && ReadFileString(in, style.BackImage);
        for (QByteArray &text : texts)
            complete = complete && ReadFileString(in, text);
        if (!complete) {
            return stopped(
                read, TStylesReadStatus::Truncated,
                QStringLiteral("The style list file ends inside style %1 of %2.").arg(i + 1).arg(count));
        }
        TColour *colours[5] = {&style.BackColour, &style.DocColour, &style.StandardColour,
                               &style.ActiveColour, &style.VisitedColour};
        for (int c = 0; c < 5; ++c) {
            const std::optional<TColour> colour = ColourFromText(texts[c]);
            if (!colour) {
                return stopped(read, TStylesReadStatus::BadColour,
                               QStringLiteral("'%1' in style %2 of the style list file is not a colour.")
                                   .arg(DecodePageText(texts[c]))
                                   .arg(i + 1));
            }
            *colours[c] = *colour;
        }
        read.Styles.push_back(std::move(style));
    }
    return read;
}

TStylesRead LoadStyles(const QString &path)
{
    const TFileBytes file(path);
    if (!file.isOpen()) {
        return stopped(
            TStylesRead(), TStylesReadStatus::Missing,
            QStringLiteral("The style list file %1 cannot be read: %2").arg(path, file.errorString()));
    }
    return ReadStyles(file.bytes());
}

QByteArray StylesBytes(const TStyleList &styles)
{
    QByteArray out;
    WriteInt32(out, int32_t(styles.size()));
    for (const TStyleChunk &style : styles) {
        WriteFileString(out, style.StyleName);
        WriteFileString(out, style.BackImage);
        for (TColour colour : {style.BackColour, style.DocColour, style.StandardColour, style.ActiveColour,
                               style.VisitedColour})
            WriteFileString(out, ColourText(colour));
    }
    return out;
}

bool WriteStylesToFile(const QString &path, const TStyleList &styles, QString *error)
{
    return SaveBytes(path, StylesBytes(styles), error);
}

int StyleItemIndex(const TStyleList &styles, const QByteArray &name)
{
    const QString wanted = DecodePageText(name);
    if (wanted.compare(LoadStr(31), Qt::CaseInsensitive) == 0)
        return 0;
    for (size_t i = 0; i < styles.size(); ++i) {
        if (wanted.compare(DecodePageText(styles[i].StyleName), Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return -1;
}

#include "htmlreader.h"

#include "htmldocumentreader.h"
#include "preformattedline.h"
#include "textcodec.h"
#include "viewdocument.h"

#include <QFile>

namespace {

QByteArray JoinLines(const QList<QByteArray> &lines)
{
    qsizetype total = 0;
    for (const QByteArray &l : lines)
        total += l.size() + 1;
    QByteArray all;
    all.reserve(total);
    for (const QByteArray &l : lines) {
        all += l;
        all += '\r';
    }
    return all;
}

TViewError ReadText(TViewDocument &doc, const char *data, qsizetype length)
{
    // Every line is one preformatted line; nothing is interpreted.
    TScaledFont font;
    font.NominalSize = 10;
    font.FixedPitch = true;
    font.Color = doc.DefaultFontColor;
    const bool utf8 = HasUtf8ByteOrderMark(data, length);
    qsizetype pos = utf8 ? 3 : 0;
    QString line;
    while (pos < length) {
        qsizetype end = pos;
        while (end < length && data[end] != '\r' && data[end] != '\n')
            ++end;
        auto section = std::make_unique<TPreformattedLine>(&doc);
        section->ChangeFont(font, ssNormal);
        line.clear();
        if (utf8) {
            for (const QChar c : QString::fromUtf8(data + pos, end - pos)) {
                if (c == QLatin1Char('\t') || (c.unicode() >= 32 && c.unicode() != 127))
                    line += c;
            }
        } else {
            for (qsizetype i = pos; i < end; ++i) {
                const uchar b = uchar(data[i]);
                if (b == '\t' || (b >= 32 && b != 127))
                    line += QChar(Cp1252ToUnicode(b));
            }
        }
        section->AddText(line); // tabs advance to the next tab stop
        doc.Add(std::move(section));
        if (end < length) {
            const char first = data[end];
            ++end;
            if (end < length && (data[end] == '\r' || data[end] == '\n') && data[end] != first)
                ++end;
        }
        pos = end;
    }
    return {};
}

QByteArray ReadWholeFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

TViewError ParseHtmlBuffer(TViewDocument &doc, TAnchorList &anchors, const char *data, qsizetype length,
                           TPageEncoding encoding)
{
    THtmlTokenizer tok(data, data ? length : 0, encoding);
    THtmlReader reader(doc, anchors, tok);
    return reader.Read();
}

TViewError ParseHtmlLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines,
                          TPageEncoding encoding)
{
    const QByteArray all = JoinLines(lines);
    return ParseHtmlBuffer(doc, anchors, all.constData(), all.size(), encoding);
}

TViewError ParseHtmlFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName)
{
    const QByteArray all = ReadWholeFile(fileName);
    return ParseHtmlBuffer(doc, anchors, all.constData(), all.size());
}

TViewError ParseTextLines(TViewDocument &doc, TAnchorList &, const QList<QByteArray> &lines)
{
    const QByteArray all = JoinLines(lines);
    return ReadText(doc, all.constData(), all.size());
}

TViewError ParseTextFile(TViewDocument &doc, TAnchorList &, const QString &fileName)
{
    const QByteArray all = ReadWholeFile(fileName);
    return ReadText(doc, all.constData(), all.size());
}

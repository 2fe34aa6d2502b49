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
    qsizetype pos = 0;
    QString line;
    while (pos < length) {
        qsizetype end = pos;
        while (end < length && data[end] != '\r' && data[end] != '\n')
            ++end;
        auto section = std::make_unique<TPreformattedLine>(&doc);
        section->ChangeFont(font, ssNormal);
        line.clear();
        for (qsizetype i = pos; i < end; ++i) {
            const uchar b = uchar(data[i]);
            if (b == '\t' || (b >= 32 && b != 127))
                line += QChar(Cp1252ToUnicode(b));
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

TViewError ParseHtmlBuffer(TViewDocument &doc, TAnchorList &anchors, const char *data, qsizetype length)
{
    THtmlTokenizer tok(data, data ? length : 0);
    THtmlReader reader(doc, anchors, tok);
    return reader.Read();
}

TViewError ParseHtmlLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines)
{
    const QByteArray all = JoinLines(lines);
    return ParseHtmlBuffer(doc, anchors, all.constData(), all.size());
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

#include "previewhtml.h"

#include "helpers.h"

QByteArray ViewerHTML(const QByteArray &pageHTML)
{
    // The order matters: "</DIV><BR>" of an aligned e-mail block with a new line becomes one
    // paragraph end before the plain "</DIV>" is turned into one, so no empty line appears.
    QByteArray text = ReplaceAllNoCase(pageHTML, "<DIV", "<P");
    text = ReplaceAllNoCase(text, "</DIV><BR>", "</P>");
    return ReplaceAllNoCase(text, "</DIV>", "</P>");
}

QList<QByteArray> PageLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

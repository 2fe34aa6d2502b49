#include "pageencoding.h"

#include <QByteArray>

namespace {

// A declaration must come before the page's text, so only the head is searched.
constexpr qsizetype kSearchLimit = 8192;

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// The charset named in one META tag (lower case, without the tag's brackets), or empty.
QByteArray CharsetOf(const QByteArray &tag)
{
    const qsizetype at = tag.indexOf("charset");
    if (at < 0)
        return {};
    qsizetype i = at + 7;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '\r' || tag[i] == '\n'))
        ++i;
    if (i >= tag.size() || tag[i] != '=')
        return {};
    ++i;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '"' || tag[i] == '\''))
        ++i;
    qsizetype end = i;
    while (end < tag.size() && IsNameChar(tag[end]))
        ++end;
    return tag.mid(i, end - i);
}

} // namespace

bool HasUtf8ByteOrderMark(const char *data, qsizetype length)
{
    return length >= 3 && uchar(data[0]) == 0xEF && uchar(data[1]) == 0xBB && uchar(data[2]) == 0xBF;
}

TPageEncoding DetectPageEncoding(const char *data, qsizetype length)
{
    if (!data)
        return TPageEncoding::Windows1252;
    if (HasUtf8ByteOrderMark(data, length))
        return TPageEncoding::Utf8;
    const QByteArray head = QByteArray(data, qMin(length, kSearchLimit)).toLower();
    const qsizetype body = head.indexOf("<body");
    const qsizetype limit = body < 0 ? head.size() : body;
    for (qsizetype at = head.indexOf("<meta"); at >= 0 && at < limit; at = head.indexOf("<meta", at + 5)) {
        const qsizetype close = head.indexOf('>', at);
        const QByteArray charset = CharsetOf(head.mid(at, (close < 0 ? head.size() : close) - at));
        if (charset == "utf-8" || charset == "utf8")
            return TPageEncoding::Utf8;
        if (!charset.isEmpty())
            return TPageEncoding::Windows1252;
    }
    return TPageEncoding::Windows1252;
}

#include "sentpage.h"

#include "helpers.h"

namespace {

const QByteArray HostingBanner =
    "<hr><center><b>This page hosted by<a href=\"/\"><img src=\"/pictures/gc_icon.gif\" border=0 "
    "align=middle></a>"
    "Get your own <a href=\"/\">Free Home Page</a></b></center>\r\n";

const QByteArray CharsetDeclaration =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n";

// The position just after the opening tag called name ("<head" matches "<HEAD>" and
// "<head lang=x>", not "<header>"), or -1.
qsizetype AfterOpeningTag(const QByteArray &lower, const QByteArray &name)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = lower.indexOf(name, from);
        if (at < 0)
            return -1;
        const qsizetype next = at + name.size();
        if (next < lower.size() && (lower[next] == '>' || lower[next] == ' ' || lower[next] == '\t' ||
                                    lower[next] == '\r' || lower[next] == '\n')) {
            const qsizetype close = lower.indexOf('>', next);
            return close < 0 ? -1 : close + 1;
        }
        from = next;
    }
}

// Where the part of a page that may declare its character set ends: at the end of its HEAD, else
// where its body starts, else at its end.
qsizetype DeclarationsEnd(const QByteArray &lower)
{
    qsizetype end = lower.indexOf("</head");
    if (end < 0)
        end = lower.indexOf("<body");
    return end < 0 ? lower.size() : end;
}

} // namespace

QByteArray RemoveFolderPrefixes(const QByteArray &page)
{
    return ReplaceAllNoCase(ReplaceAllNoCase(page, "graphics/", ""), "backgrnd/", "");
}

QByteArray AddHostingBanner(const QByteArray &page)
{
    const QByteArray lower = page.toLower();
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = lower.indexOf("</body>"); at >= 0; at = lower.indexOf("</body>", at + 7)) {
        out += page.mid(from, at - from) + HostingBanner;
        from = at;
    }
    return out + page.mid(from);
}

bool DeclaresCharset(const QByteArray &page)
{
    const QByteArray lower = page.toLower();
    const qsizetype at = lower.indexOf("charset", 0);
    return at >= 0 && at < DeclarationsEnd(lower);
}

QByteArray DeclareCharset(const QByteArray &page)
{
    if (DeclaresCharset(page))
        return page;
    const QByteArray lower = page.toLower();
    // A HEAD (or HTML) tag that only opens after the body has started, as in a page muddled by
    // hand, is no place for it: the declaration must come before the body to count.
    const qsizetype end = DeclarationsEnd(lower);
    qsizetype at = AfterOpeningTag(lower, "<head");
    if (at < 0 || at > end)
        at = AfterOpeningTag(lower, "<html");
    if (at > end)
        at = -1;
    QByteArray out = page;
    if (at < 0) {
        out.prepend(CharsetDeclaration);
    } else {
        // Keep the page's own line layout: the declaration goes on a line of its own after the tag.
        const bool lineFollows = page.mid(at, 2) == "\r\n";
        out.insert(lineFollows ? at + 2 : at, lineFollows ? CharsetDeclaration : "\r\n" + CharsetDeclaration);
    }
    return out;
}

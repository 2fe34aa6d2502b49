#pragma once

#include <QByteArray>
#include <QString>

// The small text and path helpers every part of the program leans on.
// Positions count from 1, as in the rest of the program's text handling. Paths accept both "\"
// and "/" as separators; joins use the platform's separator. Page texts are Windows-1252 byte
// strings (QByteArray); file-system paths are QString.

// ---- text helpers, for both QString and QByteArray ----

template <typename S> S LeftStr(const S &s, qsizetype n)
{
    return n <= 0 ? S() : s.left(n);
}
template <typename S> S RightStr(const S &s, qsizetype n)
{
    return n <= 0 ? S() : s.right(n);
}
// count characters from position start (1-based); a start before 1 counts from 1.
template <typename S> S MidStr(const S &s, qsizetype start, qsizetype count)
{
    if (count <= 0 || start > s.size())
        return S();
    if (start < 1) {
        count += start - 1;
        start = 1;
        if (count <= 0)
            return S();
    }
    return s.mid(start - 1, count);
}
template <typename S> S DropRight(const S &s, qsizetype n)
{
    if (n <= 0)
        return s;
    return n >= s.size() ? S() : s.left(s.size() - n);
}

// The text before the first delimiter; s whole when the delimiter is missing or is the first character.
QByteArray LeftOf(const QByteArray &s, const QByteArray &delimiter);
QString LeftOf(const QString &s, const QString &delimiter);

// Last position (1-based) of sub in s, searching backwards from start; with start 0 the search
// begins one short of the last possible position, so sub standing at the very end is not found.
// 0 when not found.
qsizetype RPos(qsizetype start, const QByteArray &s, const QByteArray &sub);
qsizetype RPos(qsizetype start, const QString &s, const QString &sub);

// Every occurrence, left to right, without rescanning inserted text.
QByteArray ReplaceAll(const QByteArray &s, const QByteArray &find, const QByteArray &replacement);
QString ReplaceAll(const QString &s, const QString &find, const QString &replacement);
QByteArray ReplaceAllNoCase(const QByteArray &s, const QByteArray &find, const QByteArray &replacement);

// Replaces the first start marker and everything up to and including the next end marker.
// Without an end marker after it everything from the start marker on is replaced; with an empty
// end marker the result is LeftOf(s, start) + insert. s unchanged when the start marker is missing.
QByteArray ReplaceBetween(const QByteArray &s, const QByteArray &start, const QByteArray &end,
                          const QByteArray &insert);

// Trims s; a result beginning with a double quote loses its first and last characters.
QByteArray Dequote(const QByteArray &s);
QString Dequote(const QString &s);
// The value of attribute in a tag text ("<IMG SRC=\"a.gif\" ...>"), dequoted; empty when missing.
QByteArray GetAttributeValue(const QByteArray &tag, const QByteArray &attribute);

// ---- path helpers ----

bool IsPathSeparator(QChar c);
// Drops one leading separator from name, then joins with exactly one separator.
QString PathJoin(const QString &folder, const QString &name);
QString URLJoin(const QString &base, const QString &name);
QByteArray URLJoin(const QByteArray &base, const QByteArray &name);
// Removes everything from the last "." on; a name without "." (in its last part, when it is a
// path) is returned unchanged.
QString StripExtension(const QString &name);
// The part after the last separator (or drive colon).
QString FileNamePart(const QString &path);
// Turns the stored backslash form of a path into the form the file system wants.
QString NativePath(const QString &path);

// fromFolder is a path whose last component counts as a file name. toPath is returned unchanged
// unless both start with the same two characters; otherwise the shared leading folders are
// dropped and one "..\" is put in front for every folder left in fromFolder.
QString MakeRelativePath(const QString &fromFolder, const QString &toPath);
// A reference made inside baseFile (a page file) resolved to a full path with "\" separators.
QString ResolveRelativePath(const QString &baseFile, const QString &reference);

// The whole content of an existing text file, every line ended by CR LF; empty when missing.
QByteArray ReadTextFile(const QString &path);

// The system's temporary folder, ending with a separator.
QString GetTempDir();
// PathJoin(GetTempDir(), "~zvxpreview.html").
QString PreviewFileName();

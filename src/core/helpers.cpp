#include "helpers.h"

#include <QDir>
#include <QFile>

namespace {

template <typename S> S leftOfImpl(const S &s, const S &delimiter)
{
    const qsizetype pos = s.indexOf(delimiter);
    return pos <= 0 ? s : s.left(pos);
}

template <typename S> qsizetype rposImpl(qsizetype start, const S &s, const S &sub)
{
    if (sub.isEmpty())
        return 0;
    const qsizetype from = start == 0 ? s.size() - sub.size() : start;
    if (from < 1)
        return 0;
    const qsizetype found = s.lastIndexOf(sub, from - 1);
    return found < 0 ? 0 : found + 1;
}

template <typename S> S replaceAllImpl(const S &s, const S &find, const S &replacement)
{
    if (find.isEmpty())
        return s;
    S out = s;
    out.replace(find, replacement);
    return out;
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

qsizetype indexOfNoCase(const QByteArray &s, const QByteArray &find, qsizetype from)
{
    const qsizetype last = s.size() - find.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype k = 0;
        while (k < find.size() && lowerAscii(s[i + k]) == lowerAscii(find[k]))
            ++k;
        if (k == find.size())
            return i;
    }
    return -1;
}

// Trims the way the program always has: every byte up to and including space goes.
QByteArray trimControls(const QByteArray &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.mid(b, e - b);
}

QString toBackslashes(QString s)
{
    s.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return s;
}

} // namespace

QByteArray LeftOf(const QByteArray &s, const QByteArray &delimiter)
{
    return leftOfImpl(s, delimiter);
}
QString LeftOf(const QString &s, const QString &delimiter)
{
    return leftOfImpl(s, delimiter);
}

qsizetype RPos(qsizetype start, const QByteArray &s, const QByteArray &sub)
{
    return rposImpl(start, s, sub);
}
qsizetype RPos(qsizetype start, const QString &s, const QString &sub)
{
    return rposImpl(start, s, sub);
}

QByteArray ReplaceAll(const QByteArray &s, const QByteArray &find, const QByteArray &replacement)
{
    return replaceAllImpl(s, find, replacement);
}

QString ReplaceAll(const QString &s, const QString &find, const QString &replacement)
{
    return replaceAllImpl(s, find, replacement);
}

QByteArray ReplaceAllNoCase(const QByteArray &s, const QByteArray &find, const QByteArray &replacement)
{
    if (find.isEmpty())
        return s;
    QByteArray out;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype hit = indexOfNoCase(s, find, pos);
        if (hit < 0)
            break;
        out += s.mid(pos, hit - pos);
        out += replacement;
        pos = hit + find.size();
    }
    out += s.mid(pos);
    return out;
}

QByteArray ReplaceBetween(const QByteArray &s, const QByteArray &start, const QByteArray &end,
                          const QByteArray &insert)
{
    const qsizetype pos = s.indexOf(start);
    if (start.isEmpty() || pos < 0)
        return s;
    if (end.isEmpty())
        return LeftOf(s, start) + insert;
    const qsizetype endPos = s.indexOf(end, pos + start.size());
    if (endPos < 0)
        return s.left(pos) + insert;
    return s.left(pos) + insert + s.mid(endPos + end.size());
}

QByteArray Dequote(const QByteArray &s)
{
    QByteArray t = trimControls(s);
    if (t.startsWith('"'))
        t = t.size() <= 2 ? QByteArray() : t.mid(1, t.size() - 2);
    return t;
}

QString Dequote(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b].unicode() <= ' ')
        ++b;
    while (e > b && s[e - 1].unicode() <= ' ')
        --e;
    QString t = s.mid(b, e - b);
    if (t.startsWith(QLatin1Char('"')))
        t = t.size() <= 2 ? QString() : t.mid(1, t.size() - 2);
    return t;
}

QByteArray GetAttributeValue(const QByteArray &tag, const QByteArray &attribute)
{
    const QByteArray t = trimControls(tag);
    const qsizetype hit = indexOfNoCase(t, attribute + '=', 0);
    if (attribute.isEmpty() || hit < 0)
        return QByteArray();
    const qsizetype begin = hit + attribute.size() + 1;
    const bool quoted = begin < t.size() && t[begin] == '"';
    qsizetype i = quoted ? begin + 1 : begin;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '"') {
            ++i; // the closing quote belongs to the value
            break;
        }
        if (c == '>')
            break;
        if (!quoted && (c == ' ' || c == '\r' || c == '\n'))
            break;
    }
    return Dequote(t.mid(begin, i - begin));
}

bool IsPathSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

QString PathJoin(const QString &folder, const QString &name)
{
    const QString tail = (!name.isEmpty() && IsPathSeparator(name.front())) ? name.mid(1) : name;
    if (!folder.isEmpty() && IsPathSeparator(folder.back()))
        return folder + tail;
    return folder + QDir::separator() + tail;
}

QString URLJoin(const QString &base, const QString &name)
{
    return base.endsWith(QLatin1Char('/')) ? base + name : base + QLatin1Char('/') + name;
}

QByteArray URLJoin(const QByteArray &base, const QByteArray &name)
{
    return base.endsWith('/') ? base + name : base + '/' + name;
}

QString StripExtension(const QString &name)
{
    // Only a dot in the last part of a path starts an extension: "/home/jo.doe/site/page" has none.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastSeparator =
        std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return dot < 0 || dot < lastSeparator ? name : name.left(dot);
}

QString FileNamePart(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsPathSeparator(path[i]) || path[i] == QLatin1Char(':'))
            return path.mid(i + 1);
    }
    return path;
}

QString NativePath(const QString &path)
{
    QString out = path;
#ifdef Q_OS_WIN
    out.replace(QLatin1Char('/'), QLatin1Char('\\'));
#else
    out.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return out;
}

QString MakeRelativePath(const QString &fromFolder, const QString &toPath)
{
    if (toPath.isEmpty())
        return QString();
    if (fromFolder.size() < 2 || toPath.size() < 2 || fromFolder.left(2) != toPath.left(2))
        return toPath;
    const QString from = toBackslashes(fromFolder);
    const QString to = toBackslashes(toPath);
    qsizetype lastShared = -1;
    const qsizetype n = std::min(from.size(), to.size());
    for (qsizetype i = 0; i < n && from[i] == to[i]; ++i) {
        if (from[i] == QLatin1Char('\\'))
            lastShared = i;
    }
    const QString fromRest = from.mid(lastShared + 1);
    QString result = to.mid(lastShared + 1);
    const qsizetype ups = fromRest.count(QLatin1Char('\\'));
    for (qsizetype k = 0; k < ups; ++k)
        result.prepend(QStringLiteral("..\\"));
    return result;
}

QString ResolveRelativePath(const QString &baseFile, const QString &reference)
{
    const QString ref = Dequote(toBackslashes(reference));
    if (ref.size() >= 2 && ref[1] == QLatin1Char(':'))
        return ref;

    const QString base = toBackslashes(baseFile);
    const qsizetype baseCut = base.lastIndexOf(QLatin1Char('\\'));
    QString folder = baseCut < 0 ? QString() : base.left(baseCut);

    const qsizetype refCut = ref.lastIndexOf(QLatin1Char('\\'));
    QString refFolder = refCut < 0 ? QString() : ref.left(refCut);
    const QString fileName = ref.mid(refCut + 1);

    while (refFolder.startsWith(QLatin1String(".."))) {
        refFolder = refFolder.mid(2);
        if (refFolder.startsWith(QLatin1Char('\\')))
            refFolder = refFolder.mid(1);
        const qsizetype up = RPos(0, folder, QStringLiteral("\\"));
        folder = up > 0 ? folder.left(up - 1) : QString();
    }

    QString result = folder + QLatin1Char('\\') + refFolder + QLatin1Char('\\') + fileName;
    while (result.contains(QLatin1String("\\\\")))
        result.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return result;
}

QByteArray ReadTextFile(const QString &path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray content = file.readAll();
    QByteArray out;
    out.reserve(content.size() + content.size() / 16);
    qsizetype lineStart = 0;
    const qsizetype n = content.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            out += content.mid(lineStart, i - lineStart);
            out += "\r\n";
            if (c == '\r' && i + 1 < n && content[i + 1] == '\n')
                ++i;
            lineStart = i + 1;
        }
    }
    if (lineStart < n) {
        out += content.mid(lineStart);
        out += "\r\n";
    }
    return out;
}

QString GetTempDir()
{
    QString dir = QDir::tempPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString PreviewFileName()
{
    return PathJoin(GetTempDir(), QStringLiteral("~zvxpreview.html"));
}

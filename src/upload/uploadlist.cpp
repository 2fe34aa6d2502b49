#include "uploadlist.h"

#include "helpers.h"
#include "textcodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The path in the file system's own form, with "." and ".." steps worked out.
QString CleanNativePath(const QString &path)
{
    return QDir::cleanPath(NativePath(path));
}

// Where a file really lives: links are followed when the file exists, so a link inside the HTML
// folder that points elsewhere counts as elsewhere.
QString RealPath(const QString &path)
{
    const QString clean = CleanNativePath(path);
    const QString canonical = QFileInfo(clean).canonicalFilePath();
    return canonical.isEmpty() ? clean : canonical;
}

QString RealFolder(const QString &folder)
{
    QString real = RealPath(folder);
    if (!real.endsWith(QLatin1Char('/')))
        real += QLatin1Char('/');
    return real;
}

bool IsAbsoluteReference(const QString &value)
{
    const QString v = value.trimmed();
    return v.startsWith(QLatin1Char('/')) || v.startsWith(QLatin1Char('\\')) ||
           (v.size() >= 2 && v[1] == QLatin1Char(':'));
}

// The local file named by a file:/// URL: the part after "///" with "|" read as ":". A name
// without a drive letter is an absolute path on this system.
QString FileUrlPath(const QString &value)
{
    QString path = value.mid(value.indexOf(QLatin1String("file:///")) + 8);
    path.replace(QLatin1Char('|'), QLatin1Char(':'));
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!(path.size() >= 2 && path[1] == QLatin1Char(':')))
        path.prepend(QLatin1Char('\\'));
    return path;
}

bool HoldsParentStep(const QString &reference)
{
    QString r = reference;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = r.split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}

} // namespace

QByteArray StripComments(const QByteArray &text)
{
    QByteArray out = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = out.indexOf("<!--", from);
        if (start < 0)
            break;
        const qsizetype end = out.indexOf("-->", start + 4);
        if (end < 0)
            break;
        const QByteArray content = out.mid(start + 4, end - start - 4);
        if (content.contains('<') && content.contains('>')) {
            out.remove(start, end + 3 - start);
            from = start;
        } else {
            from = end + 3;
        }
    }
    return out;
}

void ScanAttribute(const QByteArray &text, const QByteArray &name, const QString &pagePath,
                   const QString &htmlFolder, TUploadList &list)
{
    const QByteArray lower = text.toLower();
    const QByteArray needle = name.toLower() + '=';
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = lower.indexOf(needle, from);
        if (at < 0)
            break;
        const QByteArray value = GetAttributeValue(text.mid(at), name);
        from = at + needle.size() + value.size();
        if (value.isEmpty() || value.contains("http://"))
            continue;
        AddResource(DecodePageText(value), pagePath, htmlFolder, list);
    }
}

void AddResource(const QString &value, const QString &pagePath, const QString &htmlFolder, TUploadList &list)
{
    ResourceDetail entry;
    const bool fileUrl = value.contains(QLatin1String("file:///"));
    if (fileUrl)
        entry.LocalPath = FileUrlPath(value);
    else if (IsAbsoluteReference(value))
        entry.LocalPath = Dequote(value);
    else
        entry.LocalPath = ResolveRelativePath(pagePath, value);
    entry.LocalPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
    entry.Reference = value;

    for (const ResourceDetail &known : list)
        if (known.LocalPath == entry.LocalPath)
            return;

    const QString folder = RealFolder(htmlFolder);
    const QString real = RealPath(entry.LocalPath);
    const bool inside = real.startsWith(folder) && real.size() > folder.size();
    if (!inside) {
        entry.SkipReason = QStringLiteral("outside the HTML folder, not sent");
    } else if (fileUrl || IsAbsoluteReference(value)) {
        // A full path or URL to a file in the HTML folder is sent under its place in the folder.
        entry.Reference = CleanNativePath(entry.LocalPath).mid(CleanNativePath(htmlFolder).size());
        while (entry.Reference.startsWith(QLatin1Char('/')))
            entry.Reference.remove(0, 1);
    }
    if (!entry.Skipped() && HoldsParentStep(entry.Reference))
        entry.SkipReason = QStringLiteral("remote name holds \"..\", not sent");
    list.append(entry);
}

TUploadList BuildUploadList(const QByteArray &pageText, const QString &pagePath, const QString &htmlFolder)
{
    const QByteArray text = StripComments(pageText);
    TUploadList list;
    ScanAttribute(text, "src", pagePath, htmlFolder, list);
    ScanAttribute(text, "background", pagePath, htmlFolder, list);
    return list;
}

QString PageFileName(const QString &docFileName, const QString &htmlFolder)
{
    return PathJoin(htmlFolder, StripExtension(FileNamePart(docFileName)) + QStringLiteral(".html"));
}

TUploadList BuildUploadListForDocument(const QString &docFileName, const QString &htmlFolder)
{
    if (docFileName.isEmpty())
        return {};
    const QString pagePath = PageFileName(docFileName, htmlFolder);
    return BuildUploadList(ReadTextFile(pagePath), pagePath, htmlFolder);
}

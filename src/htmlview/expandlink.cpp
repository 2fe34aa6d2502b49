#include "expandlink.h"

namespace {

QString UrlToPath(QString name)
{
    if (!name.contains(QLatin1Char('/')))
        return name;
    name = name.toLower();
    if (name.contains(QLatin1String("file:///")))
        name.remove(name.indexOf(QLatin1String("file:///")), 8);
    else if (name.contains(QLatin1String("file://")))
        name.remove(name.indexOf(QLatin1String("file://")), 7);
    name.replace(QLatin1Char('|'), QLatin1Char(':'));
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return name;
}

bool HasDrive(const QString &path)
{
    // A drive letter, or on this platform an absolute path, needs nothing in front.
    return (path.size() >= 2 && path[1] == QLatin1Char(':')) || path.startsWith(QLatin1Char('\\')) ||
           path.startsWith(QLatin1Char('/'));
}

QString Folder(const QString &file)
{
    const qsizetype cut = std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? QString() : file.left(cut + 1);
}

} // namespace

QString ExpandLinkFilename(const QString &name, const QString &base, const QString &currentFile)
{
    QString result = UrlToPath(name.trimmed());
    if (HasDrive(result))
        return result;
    if (base.compare(QLatin1String("DosPath"), Qt::CaseInsensitive) == 0)
        return result;
    QString folder = base.isEmpty() ? Folder(currentFile) : Folder(UrlToPath(base.trimmed()));
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('\\');
    return folder + result;
}

#include "forcefolders.h"

#include "helpers.h"

#include <QDir>
#include <QFileInfo>

bool ForceFolders(const QString &path)
{
    QString folder = path;
    if (!folder.isEmpty() && IsPathSeparator(folder.back()))
        folder.chop(1);
    if (folder.size() < 3 || QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder && !ForceFolders(parent))
        return false;
    return QDir().mkdir(folder) || QFileInfo(folder).isDir();
}

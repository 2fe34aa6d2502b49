#include "galleryentry.h"

#include "builderdocument.h"
#include "helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString thumbnailOf(const QString &path)
{
    return path + QStringLiteral(".bmp");
}

void appendEntries(std::vector<TGalleryEntry> &entries, const QString &folder, const QString &pattern,
                   bool isSavedPage)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    // Name order rather than the file system's own order, so the gallery reads the same on
    // every machine and a beginner finds a page where the alphabet puts it.
    const QStringList names =
        dir.entryList({pattern}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        // Only builder documents are pages: a stray file that merely carries the extension
        // would otherwise be offered, and opened, as one.
        const QString path = dir.filePath(name);
        if (IsReadableDocument(path))
            entries.push_back({StripExtension(name), path, isSavedPage});
    }
}

} // namespace

std::vector<TGalleryEntry> ListGalleryEntries(const QString &templateFolder, const QString &saveFolder)
{
    std::vector<TGalleryEntry> entries;
    appendEntries(entries, templateFolder, QStringLiteral("*.zvt"), false);
    appendEntries(entries, saveFolder, QStringLiteral("*.zve"), true);
    return entries;
}

bool HasForbiddenNameCharacter(const QString &name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (forbidden.contains(c))
            return true;
    }
    return false;
}

bool DeleteGalleryFiles(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile::remove(path);
    const QString thumbnail = thumbnailOf(path);
    if (QFileInfo::exists(thumbnail))
        QFile::remove(thumbnail);
    return true;
}

TGalleryRename RenameGalleryFiles(const QString &path, const QString &newCaption, QString *newPath)
{
    if (newCaption.trimmed().isEmpty())
        return TGalleryRename::Unchanged;
    if (HasForbiddenNameCharacter(newCaption))
        return TGalleryRename::ForbiddenName;
    const QFileInfo info(path);
    if (newCaption == StripExtension(info.fileName()))
        return TGalleryRename::Unchanged;
    if (!info.isFile())
        return TGalleryRename::Vanished;

    const QString suffix = info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    const QString target = PathJoin(info.absolutePath(), newCaption) + suffix;
    // QFile::rename never replaces an existing file, so another page of that name stays whole.
    // A name that differs only in letter case is a real rename on this file system.
    if (QFileInfo::exists(target) && QFileInfo(target).canonicalFilePath() != info.canonicalFilePath())
        return TGalleryRename::Refused;
    if (!QFile::rename(path, target))
        return TGalleryRename::Refused;

    // The thumbnail follows only a file that moved, so it can never end up beside another page.
    // A stray thumbnail of the new name belongs to no file and gives way to the right one.
    const QString thumbnail = thumbnailOf(path);
    if (QFileInfo::exists(thumbnail)) {
        const QString newThumbnail = thumbnailOf(target);
        if (QFileInfo::exists(newThumbnail))
            QFile::remove(newThumbnail);
        QFile::rename(thumbnail, newThumbnail);
    }
    if (newPath)
        *newPath = target;
    return TGalleryRename::Renamed;
}

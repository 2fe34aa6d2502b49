#pragma once

#include <QString>

#include <vector>

// One file of the gallery: a template ("*.zvt" in the template folder) or a saved page
// ("*.zve" in the save folder), each with its thumbnail beside it ("Name.zvt.bmp").
struct TGalleryEntry {
    QString Caption; // the file name without folder and extension
    QString Path;    // the full path of the file
    bool IsSavedPage = false;
};

// How a rename of an entry's files ended.
enum class TGalleryRename {
    Renamed,       // the file (and its thumbnail, when it had one) carry the new name
    Unchanged,     // the new name is the old one, or is empty once trimmed: nothing to do
    ForbiddenName, // the new name holds a character no file name may hold
    Vanished,      // the file is gone; nothing was touched
    Refused,       // the file system refused (a file of that name exists): nothing changed
};

// The templates of templateFolder, then the saved pages of saveFolder, each group in name
// order. Missing folders give no entries, and files that are no builder documents none either.
std::vector<TGalleryEntry> ListGalleryEntries(const QString &templateFolder, const QString &saveFolder);

// True when name holds one of \ / : * ? " < > |.
bool HasForbiddenNameCharacter(const QString &name);

// Deletes the entry's file and its thumbnail. Returns false when the file was already gone,
// in which case nothing on disk is touched.
bool DeleteGalleryFiles(const QString &path);

// Renames the entry's file to newCaption in the same folder, keeping its extension, and its
// thumbnail with it. An existing file of the new name is never overwritten. On success
// newPath (when given) receives the new full path.
TGalleryRename RenameGalleryFiles(const QString &path, const QString &newCaption, QString *newPath = nullptr);

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class TPage;

// A page written into a folder of the user's choice, with its pictures and background beside it
// in the same places relative to the page as in the program's HTML folder, so that the folder
// opens in any editor and can be put on any web host as it is.

// One picture to copy: from the program's HTML folder into the chosen folder.
struct TPageFolderPicture {
    QString reference;   // as the page refers to it, with "/" separators ("graphics/dog.gif")
    QString source;      // the program's copy; empty when the program has none
    QString destination; // where it goes in the chosen folder
};

struct TPageFolderPlan {
    QString folder;
    QString pagePath;
    QByteArray html;
    std::vector<TPageFolderPicture> pictures;
    // Pictures the page names by a full path or a path leading out of the HTML folder: there is
    // no place for them inside the chosen folder, so they are left out.
    QStringList outside;

    // The files of the plan that are already in the folder, page first.
    QStringList existing() const;
};

struct TPageFolderResult {
    QStringList written; // paths relative to the folder, page first
    QStringList missing; // pictures the program does not have
    QStringList failed;  // files that could not be written
    bool pageWritten() const;
};

// What writing the page of the document docFileName (empty for an untitled page) into folder
// would write. The page is the one the export to the professional editor writes: generated from
// the blocks, with the chosen style in its body tag. The page is named after the document, an
// untitled page "index.html".
TPageFolderPlan PlanPageFolder(TPage &page, const QString &programFolder, const QString &folder,
                               const QString &docFileName);

// Writes the plan, replacing files already there, and says what became of each file.
TPageFolderResult WritePageFolder(const TPageFolderPlan &plan);

// The report shown after writing: the folder, the files written and those that were not.
QString PageFolderReport(const TPageFolderPlan &plan, const TPageFolderResult &result);

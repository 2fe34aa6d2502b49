#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class TPage;

// Writing the page into the professional editor's folder: the page file goes into its
// "HTMLFiles", the pictures into "HTMLFiles/Graphics" and the style's background into
// "HTMLFiles/backgrnd", where the editor expects them.

// Where the page of the document docFileName goes: its name with ".html" in the editor's
// "HTMLFiles".
QString ProEditorTargetPath(const QString &appPath, const QString &docFileName);

// Generates the page for the editor, copying its pictures and background from programFolder
// into the editor's folders on the way, and writes it to target. The file is replaced only
// once the new text is completely written, so a failed write keeps an earlier export. Returns
// false when the page file could not be written.
bool WriteProEditorPage(TPage &page, const QString &programFolder, const QString &appPath,
                        const QString &target);

// The pictures an export of page copies into the editor's folders (image blocks, the logo's
// button and the style's background) that are not there, or not whole, after it; by file name.
QStringList ProEditorMissingCopies(const TPage &page, const QString &programFolder, const QString &appPath);

// The report shown after the export: where the page went and where its pictures were copied,
// and, when the chosen style has a background picture, where that went. Pictures that could not
// be copied (missing, from ProEditorMissingCopies) are named at the end rather than claimed.
QString ProEditorReport(const TPage &page, const QString &appPath, const QString &target,
                        const QStringList &missing = {});

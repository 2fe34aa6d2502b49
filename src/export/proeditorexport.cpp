#include "proeditorexport.h"

#include "forcefolders.h"
#include "helpers.h"
#include "page.h"
#include "pagehtml.h"
#include "textcodec.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kCRLF = QStringLiteral("\r\n");

QString editorFolder(const QString &appPath, const QString &name)
{
    return PathJoin(PathJoin(appPath, QStringLiteral("HTMLFiles")), name);
}

} // namespace

QString ProEditorTargetPath(const QString &appPath, const QString &docFileName)
{
    return editorFolder(appPath, StripExtension(FileNamePart(docFileName)) + QStringLiteral(".html"));
}

bool WriteProEditorPage(TPage &page, const QString &programFolder, const QString &appPath,
                        const QString &target)
{
    TPageHTMLSettings settings;
    settings.Options = boForExport | boCopyFiles;
    settings.Style = page.style() ? &*page.style() : nullptr;
    settings.Logo = page.logo();
    settings.Export = TExportFolders{programFolder, appPath};
    // The folders are made when the editor is found; an editor folder emptied since then gets
    // them again, so that the copies have somewhere to go.
    ForceFolders(editorFolder(appPath, QStringLiteral("Graphics")));
    ForceFolders(editorFolder(appPath, QStringLiteral("backgrnd")));
    const QByteArray html = BuildPageHTML(page, settings);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(html) != html.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList ProEditorMissingCopies(const TPage &page, const QString &programFolder, const QString &appPath)
{
    const QString programHTML = PathJoin(programFolder, QStringLiteral("HTMLFiles"));
    // Each copy as the page generator makes it: from the program's HTML folder, where pictures
    // carry lower-case names, into the editor's folders.
    std::vector<std::pair<QString, QString>> copies;
    for (const TWebChunk &chunk : page.WebChunks()) {
        if (const TBlockImage *image = chunk.Image(); image && !image->FileName.isEmpty()) {
            const QString name = FileNamePart(DecodePageText(image->FileName));
            if (!name.isEmpty())
                copies.emplace_back(
                    PathJoin(PathJoin(programHTML, QStringLiteral("graphics")), name.toLower()),
                    editorFolder(appPath, PathJoin(QStringLiteral("Graphics"), name)));
        }
    }
    if (page.logo() == TLogoOption::On)
        copies.emplace_back(PathJoin(programHTML, QStringLiteral("graphics/button.gif")),
                            editorFolder(appPath, QStringLiteral("Graphics/Button.gif")));
    if (page.style() && !page.style()->BackImage.isEmpty()) {
        const QString image = DecodePageText(page.style()->BackImage);
        copies.emplace_back(NativePath(PathJoin(programHTML, image)),
                            NativePath(editorFolder(appPath, image)));
    }

    QStringList missing;
    for (const auto &[source, destination] : copies) {
        const QFileInfo from(NativePath(source));
        const QFileInfo to(NativePath(destination));
        if ((!from.isFile() || !to.isFile() || from.size() != to.size()) && !missing.contains(to.fileName()))
            missing << to.fileName();
    }
    return missing;
}

QString ProEditorReport(const TPage &page, const QString &appPath, const QString &target,
                        const QStringList &missing)
{
    QString report = QStringLiteral("The HTML file ") + target +
                     QStringLiteral(" has been created and can now be opened within Zorvin Professional.") +
                     kCRLF + QStringLiteral("Any related images have been copied to the ") +
                     editorFolder(appPath, QStringLiteral("Graphics")) + QStringLiteral(" directory.");
    // A style without a background picture has nothing to copy, so nothing is claimed for it.
    if (page.style() && !page.style()->BackImage.isEmpty()) {
        report += kCRLF + QStringLiteral("The backround image ") + DecodePageText(page.style()->BackImage) +
                  QStringLiteral(" has been copied to the ") +
                  editorFolder(appPath, QStringLiteral("backgrnd")) + QStringLiteral(" directory.");
    }
    if (!missing.isEmpty())
        report += kCRLF + QStringLiteral("These pictures could not be copied: ") +
                  missing.join(QStringLiteral(", ")) + QStringLiteral(".");
    return report;
}

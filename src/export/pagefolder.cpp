#include "pagefolder.h"

#include "forcefolders.h"
#include "helpers.h"
#include "page.h"
#include "pagehtml.h"
#include "textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A reference the chosen folder can hold: relative, and never climbing out of the folder.
bool staysInside(const QString &reference)
{
    if (reference.isEmpty() || reference.startsWith(QLatin1Char('/')) || reference.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = reference.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral("."));
}

// The program's copy of a picture: its pictures carry lower-case names, but a picture put into
// the folder by hand may not.
QString programCopy(const QString &htmlFolder, const QString &reference)
{
    const QString exact = PathJoin(htmlFolder, reference);
    if (QFileInfo(exact).isFile())
        return exact;
    const QString lower = PathJoin(htmlFolder, reference.toLower());
    return QFileInfo(lower).isFile() ? lower : QString();
}

bool copyOver(const QString &source, const QString &destination)
{
    if (!ForceFolders(QFileInfo(destination).path()))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    QSaveFile out(destination);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace

QStringList TPageFolderPlan::existing() const
{
    QStringList found;
    if (QFileInfo::exists(pagePath))
        found << pagePath;
    for (const TPageFolderPicture &picture : pictures) {
        if (QFileInfo::exists(picture.destination))
            found << picture.destination;
    }
    return found;
}

bool TPageFolderResult::pageWritten() const
{
    return !written.isEmpty();
}

TPageFolderPlan PlanPageFolder(TPage &page, const QString &programFolder, const QString &folder,
                               const QString &docFileName)
{
    TPageFolderPlan plan;
    plan.folder = folder;
    const QString name =
        docFileName.isEmpty() ? QStringLiteral("index") : StripExtension(FileNamePart(docFileName));
    plan.pagePath = PathJoin(folder, name + QStringLiteral(".html"));

    TPageHTMLSettings settings;
    settings.Options = boForExport;
    settings.Style = page.style() ? &*page.style() : nullptr;
    settings.Logo = page.logo();
    plan.html = BuildPageHTML(page, settings);

    // The page refers to its pictures as the blocks, the style and the logo name them.
    QStringList references;
    for (const TWebChunk &chunk : page.WebChunks()) {
        if (const TBlockImage *image = chunk.Image(); image && !image->FileName.isEmpty())
            references << DecodePageText(image->FileName);
    }
    if (page.style() && !page.style()->BackImage.isEmpty())
        references << DecodePageText(page.style()->BackImage);
    if (page.logo() == TLogoOption::On)
        references << QStringLiteral("graphics/button.gif");

    const QString htmlFolder = PathJoin(programFolder, QStringLiteral("HTMLFiles"));
    QStringList seen;
    for (QString reference : references) {
        reference.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (seen.contains(reference))
            continue;
        seen << reference;
        if (!staysInside(reference)) {
            plan.outside << reference;
            continue;
        }
        plan.pictures.push_back({reference, programCopy(htmlFolder, reference), PathJoin(folder, reference)});
    }
    return plan;
}

TPageFolderResult WritePageFolder(const TPageFolderPlan &plan)
{
    TPageFolderResult result;
    const QString pageName = FileNamePart(plan.pagePath);
    QSaveFile page(plan.pagePath);
    if (ForceFolders(plan.folder) && page.open(QIODevice::WriteOnly) &&
        page.write(plan.html) == plan.html.size() && page.commit())
        result.written << pageName;
    else
        result.failed << pageName;

    for (const TPageFolderPicture &picture : plan.pictures) {
        if (picture.source.isEmpty())
            result.missing << picture.reference;
        else if (copyOver(picture.source, picture.destination))
            result.written << picture.reference;
        else
            result.failed << picture.reference;
    }
    return result;
}

QString PageFolderReport(const TPageFolderPlan &plan, const TPageFolderResult &result)
{
    const QString lineEnd = QStringLiteral("\r\n");
    auto list = [&](const QStringList &files) {
        QString text;
        for (const QString &file : files)
            text += lineEnd + QStringLiteral("    ") + file;
        return text;
    };
    QString report;
    if (result.pageWritten())
        report = QStringLiteral("Your page has been written to the folder ") +
                 QDir::toNativeSeparators(plan.folder) + QStringLiteral(". These files are now there:") +
                 list(result.written);
    else
        report = QStringLiteral("Your page could not be written to the folder ") +
                 QDir::toNativeSeparators(plan.folder) + QStringLiteral(".");
    if (!result.failed.isEmpty() && result.pageWritten())
        report +=
            lineEnd + lineEnd + QStringLiteral("These files could not be written:") + list(result.failed);
    if (!result.missing.isEmpty())
        report += lineEnd + lineEnd +
                  QStringLiteral("These pictures were not found in the program's HTML folder:") +
                  list(result.missing);
    if (!plan.outside.isEmpty())
        report += lineEnd + lineEnd +
                  QStringLiteral("These pictures lie outside the HTML folder and were left out:") +
                  list(plan.outside);
    return report;
}

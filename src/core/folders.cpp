#include "folders.h"

#include "helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSeparator(const QString &folder)
{
    if (folder.isEmpty() || IsPathSeparator(folder.back()))
        return folder;
    return folder + QDir::separator();
}

QString subFolder(const QString &name)
{
    return withSeparator(PathJoin(ProgramFolder(), name));
}

} // namespace

QString ResolveProgramFolder(const TFolderSources &sources)
{
    if (!sources.homeOverride.isEmpty())
        return withSeparator(sources.homeOverride);
    if (!sources.executableFolder.isEmpty() &&
        QFileInfo::exists(PathJoin(sources.executableFolder, QStringLiteral("Styles.data"))))
        return withSeparator(sources.executableFolder);

    const QString userFolder = withSeparator(sources.userDataFolder);
    // Only a folder that does not exist yet is filled: once it exists it belongs to the user, and
    // a template the user deleted must not come back on the next start.
    if (!userFolder.isEmpty() && !QFileInfo::exists(userFolder)) {
        for (const QString &installed : sources.installedDataFolders) {
            if (QFileInfo(installed).isDir()) {
                CopyMissingFiles(installed, userFolder);
                break;
            }
        }
    }
    return userFolder;
}

TFolderSources CurrentFolderSources()
{
    TFolderSources sources;
    sources.homeOverride = qEnvironmentVariable("ZORVIN_HOME");
    if (QCoreApplication::instance())
        sources.executableFolder = QCoreApplication::applicationDirPath();
    sources.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!sources.executableFolder.isEmpty()) {
        sources.installedDataFolders << QDir::cleanPath(sources.executableFolder +
                                                        QStringLiteral("/../share/zorvin-express"));
    }
    const QStringList shared =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("zorvin-express"),
                                  QStandardPaths::LocateDirectory);
    for (const QString &folder : shared) {
        if (!sources.installedDataFolders.contains(QDir::cleanPath(folder)))
            sources.installedDataFolders << QDir::cleanPath(folder);
    }
    return sources;
}

bool CopyMissingFiles(const QString &source, const QString &target)
{
    const QDir from(source);
    if (!from.exists() || !QDir().mkpath(target))
        return false;
    bool ok = true;
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString destination = QDir(target).filePath(from.relativeFilePath(info.filePath()));
        if (info.isDir()) {
            ok = QDir().mkpath(destination) && ok;
        } else if (info.fileName() != QLatin1String(".gitkeep") && !QFileInfo::exists(destination)) {
            QDir().mkpath(QFileInfo(destination).path());
            ok = QFile::copy(info.filePath(), destination) && ok;
            // Installed copies are read-only; the user's copy must be writable.
            QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner);
        }
    }
    return ok;
}

QString ProgramFolder()
{
    return ResolveProgramFolder(CurrentFolderSources());
}

QString ProgramFileName()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

QString HTMLFolder()
{
    return subFolder(QStringLiteral("HTMLFiles"));
}
QString GraphicsFolder()
{
    return withSeparator(PathJoin(HTMLFolder(), QStringLiteral("graphics")));
}
QString BackgroundFolder()
{
    return withSeparator(PathJoin(HTMLFolder(), QStringLiteral("backgrnd")));
}
QString SaveFolder()
{
    return subFolder(QStringLiteral("save"));
}
QString TemplateFolder()
{
    return subFolder(QStringLiteral("template"));
}
QString ServersFolder()
{
    return subFolder(QStringLiteral("servers"));
}
QString HelpFolder()
{
    return subFolder(QStringLiteral("Help"));
}
QString HelpFileName()
{
    return PathJoin(HelpFolder(), QStringLiteral("index.html"));
}
QString StylesFileName()
{
    return PathJoin(ProgramFolder(), QStringLiteral("Styles.data"));
}

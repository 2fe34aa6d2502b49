#include "backgroundpicture.h"

#include "helpers.h"
#include "savebytes.h"
#include "textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TBackgroundPicture CopyBackgroundPicture(const QString &chosen, const QString &htmlFolder)
{
    const QString folderName = QStringLiteral("backgrnd");
    const QString folder = PathJoin(htmlFolder, folderName);
    // The page refers to its background in lower case, and web servers (like this file system)
    // tell letter cases apart, so the copy gets the lower-case name the page asks for.
    const QString name = FileNamePart(chosen).toLower();
    const QString destination = PathJoin(folder, name);
    TBackgroundPicture result;
    const QString stored = folderName + QLatin1Char('\\') + name;

    const QFileInfo source(chosen);
    if (source.exists() && source.canonicalFilePath() == QFileInfo(destination).canonicalFilePath()) {
        result.BackImage = stored;
        return result;
    }
    QFile in(chosen);
    if (!in.open(QIODevice::ReadOnly)) {
        result.Error = QStringLiteral("%1 could not be read: %2")
                           .arg(QDir::toNativeSeparators(chosen), in.errorString());
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.Error =
            QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    if (SaveBytes(destination, in.readAll(), &result.Error))
        result.BackImage = stored;
    return result;
}

int ProvideLowerCaseBackgrounds(const TStyleList &styles, const QString &htmlFolder)
{
    int copied = 0;
    for (const TStyleChunk &style : styles) {
        // Lowered byte by byte, exactly as the page's reference is.
        const QString stored = DecodePageText(style.BackImage).replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString lower =
            DecodePageText(style.BackImage.toLower()).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (stored == lower || QDir::isAbsolutePath(stored) ||
            stored.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            continue; // nothing to do, or a name that points outside the HTML folder
        const QString source = PathJoin(htmlFolder, stored);
        const QString target = PathJoin(htmlFolder, lower);
        if (QFileInfo::exists(target) || !QFileInfo(source).isFile())
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target))
            ++copied;
    }
    return copied;
}

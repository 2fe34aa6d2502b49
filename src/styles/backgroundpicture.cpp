#include "backgroundpicture.h"

#include "helpers.h"
#include "savebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TBackgroundPicture CopyBackgroundPicture(const QString &chosen, const QString &htmlFolder)
{
    const QString folderName = QStringLiteral("backgrnd");
    const QString folder = PathJoin(htmlFolder, folderName);
    const QString name = FileNamePart(chosen);
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

#include "serverupload.h"

#include "isplist.h"
#include "wwwserver.h"

#include <QDir>
#include <QStandardPaths>

TUploadInput UploadInputForServer(const tWWWServerType &server, const QString &docFileName,
                                  const QString &htmlFolder, const QString &stateFolder)
{
    TUploadInput input;
    input.Address = server.Address.trimmed();
    input.Directory = server.Directory.trimmed();
    input.UserName = server.UserName;
    input.Password = server.Password;
    input.FlatDir = server.FlatDir;
    input.GeoCities = IsGeoCities(server.ISP);
    input.DocFileName = docFileName;
    input.HTMLFolder = htmlFolder;
    if (!stateFolder.isEmpty()) {
        const QDir state(stateFolder);
        input.UploadRecordFile = state.filePath(QStringLiteral("uploads.ini"));
        input.KnownHostsFile = state.filePath(QStringLiteral("known_hosts"));
    }
    return input;
}

QString UploadStateFolder()
{
    // Named after the organisation and the program rather than the running executable, so the
    // companion tool finds what the program remembered and the other way round.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Pellory/Zorvin Express"));
}

#include "isplist.h"

#include "inffile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kOptions = QStringLiteral("Server Options");
const QString kDetails = QStringLiteral("Server Details");

ISPDetails definitionOf(const TInfFile &file)
{
    ISPDetails isp;
    isp.CreateDir = file.readBool(kOptions, QStringLiteral("CreateDir"), isp.CreateDir);
    isp.Login = file.readBool(kOptions, QStringLiteral("Login"), isp.Login);
    isp.Name = file.readString(kDetails, QStringLiteral("Name"));
    isp.Address = file.readString(kDetails, QStringLiteral("Address"));
    isp.Directory = file.readString(kDetails, QStringLiteral("Directory"));
    isp.URL = file.readString(kDetails, QStringLiteral("URL"));
    return isp;
}

TISPRead readFrom(const TInfFile &file)
{
    if (!file.ok())
        return {ISPDetails(), file.error()};
    return {definitionOf(file), QString()};
}

} // namespace

TISPRead ParseISPDefinition(QByteArrayView bytes)
{
    return readFrom(TInfFile(bytes));
}

TISPRead ReadISPFile(const QString &serversFolder, const QString &fileName)
{
    return readFrom(TInfFile::fromFile(QDir(serversFolder).filePath(fileName)));
}

TISPList LoadISPs(const QString &serversFolder, QStringList *warnings)
{
    TISPList isps;
    const QDir folder(serversFolder);
    const QFileInfoList entries = folder.entryInfoList(
        {QStringLiteral("*.inf")}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (!entry.isFile()) {
            if (warnings)
                *warnings << QStringLiteral("%1: not a file, skipped").arg(entry.fileName());
            continue;
        }
        const TISPRead read = ReadISPFile(serversFolder, entry.fileName());
        if (!read.Error.isEmpty()) {
            if (warnings)
                *warnings << QStringLiteral("%1: %2").arg(entry.fileName(), read.Error);
            continue;
        }
        if (read.Details.Name.isEmpty()) {
            if (warnings)
                *warnings << QStringLiteral("%1: the definition has no name, skipped").arg(entry.fileName());
            continue;
        }
        isps.append(read.Details);
    }
    return isps;
}

int FindISP(const TISPList &isps, const QString &name)
{
    for (qsizetype i = isps.size() - 1; i >= 0; --i) {
        if (isps[i].Name == name)
            return int(i);
    }
    return -1;
}

bool IsGeoCities(const QString &ispName)
{
    return ispName.compare(QLatin1String("geocities"), Qt::CaseInsensitive) == 0;
}

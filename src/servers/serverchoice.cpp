#include "serverchoice.h"

#include "serverstore.h"
#include "zorvinreg.h"

QStringList ServerBoxNames(const TServerList &servers)
{
    QStringList names;
    for (const tWWWServerType &server : servers) {
        if (!server.Name.isEmpty())
            names << server.Name;
    }
    return names;
}

int ServerBoxSelection(const QStringList &names, const QString &lastServer)
{
    if (names.isEmpty())
        return -1;
    const qsizetype row = lastServer.isEmpty() ? -1 : names.indexOf(lastServer);
    return row >= 0 ? int(row) : 0;
}

QString ReadLastServer()
{
    TZorvinReg reg;
    if (!reg.OpenSubKey(QLatin1String(ServersGroup), TKeyAccess::OpenExisting))
        return QString();
    return reg.readString(QLatin1String(LastServerValue));
}

void WriteLastServer(const QString &name)
{
    TZorvinReg reg;
    if (!reg.OpenSubKey(QLatin1String(ServersGroup), TKeyAccess::CreateMissing))
        return;
    reg.writeString(QLatin1String(LastServerValue), name);
    reg.flush();
}

const tWWWServerType *FindServer(const TServerList &servers, const QString &name)
{
    for (const tWWWServerType &server : servers) {
        if (server.Name == name)
            return &server;
    }
    return nullptr;
}

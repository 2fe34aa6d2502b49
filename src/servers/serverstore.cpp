#include "serverstore.h"

#include "cryptpassword.h"
#include "inffile.h"
#include "zorvinreg.h"

#include <QMap>

#include <algorithm>
#include <optional>

namespace {

const QString kGroup = QLatin1String(ServersGroup);
const QString kOrder = QStringLiteral("Order");
const char *const kExtendedNames[] = {"ExtendedA", "ExtendedB", "ExtendedC", "ExtendedD", "ExtendedE"};

// The extended fields by number, A being 0.
template <typename Server> auto &extendedField(Server &server, int i)
{
    switch (i) {
    case 0:
        return server.ExtendedA;
    case 1:
        return server.ExtendedB;
    case 2:
        return server.ExtendedC;
    case 3:
        return server.ExtendedD;
    default:
        return server.ExtendedE;
    }
}

QString serverPath(const QString &name)
{
    return kGroup + QLatin1Char('/') + name;
}

void warn(QStringList *warnings, const QString &text)
{
    if (warnings)
        warnings->append(text);
}

// A stored server read together with its place in the list, when it has one.
struct TStoredServer {
    tWWWServerType Server;
    std::optional<int> Order;
};

TStoredServer readStored(const QString &name, QStringList *warnings)
{
    TStoredServer stored;
    tWWWServerType &server = stored.Server;
    if (name.isEmpty())
        return stored;
    TZorvinReg reg;
    if (!reg.OpenSubKey(kGroup, TKeyAccess::OpenExisting) || !reg.keyExists(name) ||
        !reg.OpenSubKey(serverPath(name), TKeyAccess::OpenExisting))
        return stored;
    server.Name = name;
    server.Address = reg.readString(QStringLiteral("Address"));
    server.Directory = reg.readString(QStringLiteral("Directory"));
    server.UserName = reg.readString(QStringLiteral("UserName"));
    const QString password = reg.readString(QStringLiteral("Password"));
    if (password.contains(QLatin1Char(',')) && !IsScrambledPassword(password))
        warn(warnings, QStringLiteral("server \"%1\": the stored password is not a list of numbers; "
                                      "it is used as it stands")
                           .arg(name));
    server.Password = CryptPassword(password, TCryptMode::Decode);
    server.URL = reg.readString(QStringLiteral("URL"));
    if (reg.valueExists(QStringLiteral("FlatDir"))) {
        const std::optional<int> flat = ParseInfInteger(reg.readString(QStringLiteral("FlatDir")));
        if (!flat)
            warn(warnings, QStringLiteral("server \"%1\": \"FlatDir\" is not a number; "
                                          "directories will be created")
                               .arg(name));
        server.FlatDir = flat.value_or(0) != 0;
    }
    if (reg.valueExists(QStringLiteral("ISP")))
        server.ISP = reg.readString(QStringLiteral("ISP"));
    for (int i = 0; i < 5; ++i) {
        const QString value = QLatin1String(kExtendedNames[i]);
        if (reg.valueExists(value))
            extendedField(server, i) = reg.readString(value);
    }
    if (reg.valueExists(kOrder))
        stored.Order = ParseInfInteger(reg.readString(kOrder));
    return stored;
}

} // namespace

QString ServerNameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("A server description cannot contain the characters / or \\. "
                              "Please choose another description.");
    return QString();
}

QStringList GetServerNames()
{
    TZorvinReg reg;
    if (!reg.OpenSubKey(kGroup, TKeyAccess::OpenExisting))
        return {};
    return reg.subKeyNames();
}

tWWWServerType ReadServer(const QString &name, QStringList *warnings)
{
    return readStored(name, warnings).Server;
}

TServerList LoadServers(QStringList *warnings)
{
    {
        TZorvinReg reg;
        if (!reg.readable())
            warn(warnings, QStringLiteral("the settings store could not be read; the server list is empty "
                                          "and will not be written over"));
    }
    QList<TStoredServer> stored;
    for (const QString &name : GetServerNames())
        stored.append(readStored(name, warnings));
    // Servers with a place keep it; the others (written by an older copy) follow in name order.
    std::stable_sort(stored.begin(), stored.end(), [](const TStoredServer &a, const TStoredServer &b) {
        if (a.Order.has_value() != b.Order.has_value())
            return a.Order.has_value();
        if (a.Order && *a.Order != *b.Order)
            return *a.Order < *b.Order;
        return !a.Order && a.Server.Name < b.Server.Name;
    });
    TServerList servers;
    for (const TStoredServer &s : stored)
        servers.append(s.Server);
    return servers;
}

bool SaveServers(const TServerList &servers, QString *error, QStringList *warnings)
{
    TZorvinReg reg;
    if (!reg.readable()) {
        if (error)
            *error = QStringLiteral("The settings store could not be read, so the server list was not "
                                    "saved over it.");
        return false;
    }
    QString lastServer;
    if (reg.OpenSubKey(kGroup, TKeyAccess::OpenExisting))
        lastServer = reg.readString(QLatin1String(LastServerValue));
    reg.OpenSubKey(QString(), TKeyAccess::CreateMissing);
    reg.deleteKey(kGroup);

    int place = 0;
    for (const tWWWServerType &server : servers) {
        if (server.Name.isEmpty())
            continue;
        if (!ServerNameProblem(server.Name).isEmpty()) {
            warn(warnings, QStringLiteral("server \"%1\" was not saved: its description holds / or \\")
                               .arg(server.Name));
            continue;
        }
        if (!reg.OpenSubKey(serverPath(server.Name), TKeyAccess::CreateMissing))
            continue;
        reg.writeString(QStringLiteral("Address"), server.Address);
        reg.writeString(QStringLiteral("Directory"), server.Directory);
        reg.writeString(QStringLiteral("UserName"), server.UserName);
        reg.writeString(QStringLiteral("Password"), CryptPassword(server.Password, TCryptMode::Encode));
        reg.writeString(QStringLiteral("URL"), server.URL);
        reg.writeString(QStringLiteral("ISP"), server.ISP);
        reg.writeString(QStringLiteral("FlatDir"),
                        server.FlatDir ? QStringLiteral("1") : QStringLiteral("0"));
        for (int i = 0; i < 5; ++i) {
            const QString &value = extendedField(server, i);
            if (!value.isEmpty())
                reg.writeString(QLatin1String(kExtendedNames[i]), value);
        }
        reg.writeString(kOrder, QString::number(place++));
    }
    reg.OpenSubKey(kGroup, TKeyAccess::CreateMissing);
    if (!lastServer.isEmpty())
        reg.writeString(QLatin1String(LastServerValue), lastServer);
    if (!reg.flush()) {
        if (error)
            *error = QStringLiteral("The server list could not be written to the settings store.");
        return false;
    }
    return true;
}

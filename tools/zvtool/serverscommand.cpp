#include "command.h"
#include "serverstore.h"

// "zvtool servers": the stored web servers in the user's order, one line per server with the
// fields separated by tabs: name, address, directory, user name, web address, ISP definition and
// the flat-directory flag (1 or 0). Passwords are never printed. Problems met while reading the
// settings store go to stderr.
static int runServers(const QStringList &args)
{
    if (!args.isEmpty())
        return zvFail(QStringLiteral("servers takes no arguments"));
    QStringList warnings;
    const TServerList servers = LoadServers(&warnings);
    for (const QString &warning : warnings)
        zvWarn(warning);
    QByteArray out;
    for (const tWWWServerType &s : servers) {
        const QStringList fields = {s.Name,
                                    s.Address,
                                    s.Directory,
                                    s.UserName,
                                    s.URL,
                                    s.ISP,
                                    s.FlatDir ? QStringLiteral("1") : QStringLiteral("0")};
        out += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    zvWrite(out);
    return 0;
}

static const ZvCommand serversCommand{
    "servers", "print the stored web servers (name, address, directory, user, URL, ISP, flat)", false,
    runServers};

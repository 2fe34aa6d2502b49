#include "command.h"
#include "folders.h"
#include "isplist.h"

// "zvtool isps": the ISP definitions of the program folder's "servers" folder in the order the
// program lists them, one line per definition with the fields separated by tabs: name, address,
// directory, web address pattern, create-directory flag and login flag (1 or 0). Files that are
// skipped are named on stderr.
static int runIsps(const QStringList &args)
{
    if (!args.isEmpty())
        return zvFail(QStringLiteral("isps takes no arguments"));
    QStringList warnings;
    const TISPList isps = LoadISPs(ServersFolder(), &warnings);
    for (const QString &warning : warnings)
        zvWarn(warning);
    QByteArray out;
    for (const ISPDetails &isp : isps) {
        const QStringList fields = {isp.Name,
                                    isp.Address,
                                    isp.Directory,
                                    isp.URL,
                                    isp.CreateDir ? QStringLiteral("1") : QStringLiteral("0"),
                                    isp.Login ? QStringLiteral("1") : QStringLiteral("0")};
        out += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    zvWrite(out);
    return 0;
}

static const ZvCommand ispsCommand{
    "isps", "print the ISP definitions (name, address, directory, URL, create, login)", false, runIsps};

#include "serverurl.h"

#include "isplist.h"

QString DomainOfAddress(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.startsWith(QLatin1String("ftp."), Qt::CaseInsensitive))
        return trimmed.mid(4);
    return trimmed;
}

QString BuildURL(const ISPDetails *isp, const QString &address, const QString &login,
                 const QString &neighbourhood, const QString &geoNumber)
{
    if (!isp)
        return QStringLiteral("http://") + address + QStringLiteral("/~") + login + QStringLiteral("/");
    QString url = isp->URL;
    if (IsGeoCities(isp->Name)) {
        url.replace(QLatin1String("%neighbourhood%"), neighbourhood, Qt::CaseInsensitive);
        url.replace(QLatin1String("%geonumber%"), geoNumber, Qt::CaseInsensitive);
        return url;
    }
    url.replace(QLatin1String("%login%"), login, Qt::CaseInsensitive);
    url.replace(QLatin1String("%domain%"), DomainOfAddress(address), Qt::CaseInsensitive);
    return url;
}

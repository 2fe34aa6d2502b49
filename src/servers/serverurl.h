#pragma once

#include "ispdetails.h"

#include <QString>

// The web address of a server being set up. Without a definition (a server set up by hand) it is
// "http://" + address + "/~" + login + "/". For a GeoCities definition the pattern's
// "%neighbourhood%" becomes neighbourhood and then "%geonumber%" becomes geoNumber. For any other
// definition "%login%" becomes login and "%domain%" the address without a leading "ftp." (the
// usual FTP name of a site whose pages show under the domain itself). Placeholders are matched
// without regard to letter case.
QString BuildURL(const ISPDetails *isp, const QString &address, const QString &login,
                 const QString &neighbourhood = {}, const QString &geoNumber = {});

// The address without a leading "ftp." (letter case ignored).
QString DomainOfAddress(const QString &address);

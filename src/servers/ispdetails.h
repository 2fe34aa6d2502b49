#pragma once

#include <QList>
#include <QString>

// One ISP definition, read from a ".inf" file of the "servers" folder. The server wizard offers
// the definitions as templates; the upload looks a server's definition up for provider rules.
struct ISPDetails {
    bool CreateDir = false; // the provider wants the upload folder created
    bool Login = true;      // false: the provider needs no login name and password
    QString Name;
    QString Address;
    QString Directory;
    // A pattern that may hold "%login%", "%neighbourhood%" and "%geonumber%".
    QString URL;

    bool operator==(const ISPDetails &) const = default;
};

using TISPList = QList<ISPDetails>;

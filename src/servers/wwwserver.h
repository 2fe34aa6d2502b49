#pragma once

#include <QList>
#include <QString>

// One web server of the user's list: what an upload needs to reach it and what the server wizard
// needs to edit it again. Passwords are plain text in memory; only the stored copy is scrambled.
struct tWWWServerType {
    QString Name;      // the user's description; also the name the server is stored under
    QString Address;   // FTP host address
    QString Directory; // remote folder to upload into (may be empty)
    QString UserName;
    QString Password;
    QString URL;          // the web address under which the uploaded page can be seen
    QString ISP;          // name of the ISP definition the server was set up from; empty when by hand
    bool FlatDir = false; // pictures go beside the page and the remote folder is not created
    // Extra details: for a GeoCities server A holds the neighbourhood and B the address number.
    // C to E are kept but not used.
    QString ExtendedA;
    QString ExtendedB;
    QString ExtendedC;
    QString ExtendedD;
    QString ExtendedE;

    bool operator==(const tWWWServerType &) const = default;
};

using TServerList = QList<tWWWServerType>;

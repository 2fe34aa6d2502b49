#pragma once

#include "wwwserver.h"

#include <QString>
#include <QStringList>

// The user's server list in the settings store: the group "WWWServers" with one subgroup per
// server, named by the server's Name, holding "Address", "Directory", "UserName", "Password"
// (scrambled), "URL", "ISP", "FlatDir" (1 or 0) and "ExtendedA" to "ExtendedE" (only those not
// empty). "WWWServers" also keeps the value "LastServer", the server last chosen for an upload.
//
// Each server also stores "Order", its place in the list, so the list comes back in the user's
// order. Servers without it (a list written by an older copy) follow, in name order.
//
// Nothing here ever writes a password to a message, a warning or the standard error.

// The name of the group and of the value kept across SaveServers.
inline constexpr char ServersGroup[] = "WWWServers";
inline constexpr char LastServerValue[] = "LastServer";

// Why a server name cannot be stored, or empty text when it can. A name holding "/" or "\" would
// be taken apart into nested groups.
QString ServerNameProblem(const QString &name);

// The subgroup names of "WWWServers" as the store lists them; empty when the group does not exist.
QStringList GetServerNames();

// The server stored under name; an empty record when name is empty or no such server exists.
// Values that are damaged (a "FlatDir" that is no number, a password that is not scrambled) are
// read as well as they can be, and a line saying so goes into warnings when it is given.
tWWWServerType ReadServer(const QString &name, QStringList *warnings = nullptr);

// Every stored server, in the user's order.
TServerList LoadServers(QStringList *warnings = nullptr);

// Replaces the stored list by servers, keeping "LastServer". Servers without a name are dropped;
// a server whose name cannot be stored is skipped with a line in warnings. Returns false, with the
// reason in error, when the store could not be read (it is then left as it is, so nothing that could
// not be read is lost) or could not be written.
bool SaveServers(const TServerList &servers, QString *error = nullptr, QStringList *warnings = nullptr);

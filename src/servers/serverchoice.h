#pragma once

#include "wwwserver.h"

#include <QString>
#include <QStringList>

// Which servers the send stage offers, and which of them it offers first. The box lists every
// server that has a name, in the user's order, and starts on the server last chosen for an upload.

// The names of the servers that have one, in list order.
QStringList ServerBoxNames(const TServerList &servers);

// The row of names to select: the one equal to lastServer when there is one, else the first; -1
// when names is empty.
int ServerBoxSelection(const QStringList &names, const QString &lastServer);

// The server last chosen for an upload ("LastServer" in "WWWServers"); empty when none was chosen
// or the group does not exist.
QString ReadLastServer();

// Remembers name as the server last chosen for an upload, creating the group when it is missing.
void WriteLastServer(const QString &name);

// The server of servers whose Name is name; nullptr when there is none.
const tWWWServerType *FindServer(const TServerList &servers, const QString &name);

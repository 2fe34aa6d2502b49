#pragma once

#include "workinglist.h"
#include "wwwserver.h"

// The server wizard's working copy of the server list and the server being edited.
class TServerWorkingList : public TWorkingList<tWWWServerType> {
public:
    explicit TServerWorkingList(const TServerList &servers = {}) : TWorkingList(servers) {}

    TServerList servers() const { return entries<TServerList>(); }
};

#pragma once

#include "wwwserver.h"

#include <QList>

#include <memory>

// The server wizard's working copy of the server list and the server being edited. The edited
// server is either a fresh record (while a server is being added) or one entry of the list itself,
// so that edits in modify mode change that entry directly. Entries are held by reference, so moving
// an entry keeps the edited server pointing at it. Nothing here touches the settings store.
class TServerWorkingList {
public:
    explicit TServerWorkingList(const TServerList &servers = {});

    int count() const { return int(m_entries.size()); }
    const tWWWServerType &at(int index) const { return *m_entries.at(index); }
    TServerList servers() const;

    tWWWServerType &current() { return *m_current; }
    const tWWWServerType &current() const { return *m_current; }
    // The edited server's place in the list; -1 while it is a fresh record not in the list yet.
    int currentIndex() const;
    void startFresh();
    // The edited server becomes the entry at index; false (and no change) when there is none.
    bool select(int index);

    // Appends the edited server unless it is in the list already (a Finish whose save question was
    // cancelled has appended it once). Returns whether it appended.
    bool appendCurrent();
    bool moveUp(int index);
    bool moveDown(int index);
    // Drops the entry; the edited server becomes a fresh record.
    bool remove(int index);

    bool changed() const { return m_changed; }
    void markChanged() { m_changed = true; }
    void markSaved() { m_changed = false; }

private:
    bool valid(int index) const { return index >= 0 && index < count(); }

    QList<std::shared_ptr<tWWWServerType>> m_entries;
    std::shared_ptr<tWWWServerType> m_current = std::make_shared<tWWWServerType>();
    bool m_changed = false;
};

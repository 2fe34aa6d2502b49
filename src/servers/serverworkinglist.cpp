#include "serverworkinglist.h"

TServerWorkingList::TServerWorkingList(const TServerList &servers)
{
    for (const tWWWServerType &server : servers)
        m_entries.append(std::make_shared<tWWWServerType>(server));
}

TServerList TServerWorkingList::servers() const
{
    TServerList out;
    for (const auto &entry : m_entries)
        out.append(*entry);
    return out;
}

int TServerWorkingList::currentIndex() const
{
    return int(m_entries.indexOf(m_current));
}

void TServerWorkingList::startFresh()
{
    m_current = std::make_shared<tWWWServerType>();
}

bool TServerWorkingList::select(int index)
{
    if (!valid(index))
        return false;
    m_current = m_entries[index];
    return true;
}

bool TServerWorkingList::appendCurrent()
{
    if (currentIndex() >= 0)
        return false;
    m_entries.append(m_current);
    return true;
}

bool TServerWorkingList::moveUp(int index)
{
    if (!valid(index) || index == 0)
        return false;
    m_entries.swapItemsAt(index, index - 1);
    m_changed = true;
    return true;
}

bool TServerWorkingList::moveDown(int index)
{
    if (!valid(index) || index == count() - 1)
        return false;
    m_entries.swapItemsAt(index, index + 1);
    m_changed = true;
    return true;
}

bool TServerWorkingList::remove(int index)
{
    if (!valid(index))
        return false;
    m_entries.removeAt(index);
    startFresh();
    m_changed = true;
    return true;
}

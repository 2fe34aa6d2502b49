#include "styleworkinglist.h"

TStyleWorkingList::TStyleWorkingList(const TStyleList &styles)
{
    for (const TStyleChunk &style : styles)
        m_entries.append(std::make_shared<TStyleChunk>(style));
}

TStyleList TStyleWorkingList::styles() const
{
    TStyleList list;
    list.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        list.push_back(*entry);
    return list;
}

int TStyleWorkingList::currentIndex() const
{
    return int(m_entries.indexOf(m_current));
}

void TStyleWorkingList::startFresh()
{
    m_current = std::make_shared<TStyleChunk>();
}

bool TStyleWorkingList::select(int index)
{
    if (!valid(index))
        return false;
    m_current = m_entries.at(index);
    return true;
}

bool TStyleWorkingList::appendCurrent()
{
    if (m_entries.contains(m_current))
        return false;
    m_entries.append(m_current);
    m_changed = true;
    return true;
}

bool TStyleWorkingList::moveUp(int index)
{
    if (!valid(index) || index == 0)
        return false;
    m_entries.swapItemsAt(index, index - 1);
    m_changed = true;
    return true;
}

bool TStyleWorkingList::moveDown(int index)
{
    if (!valid(index) || index == count() - 1)
        return false;
    m_entries.swapItemsAt(index, index + 1);
    m_changed = true;
    return true;
}

bool TStyleWorkingList::remove(int index)
{
    if (!valid(index))
        return false;
    if (m_entries.at(index) == m_current)
        startFresh();
    m_entries.removeAt(index);
    m_changed = true;
    return true;
}

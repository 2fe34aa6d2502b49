#include "tviewerhistory.h"

#include <algorithm>

void TViewerHistory::SetLimit(int limit)
{
    limit = std::max(0, limit);
    if (limit < m_limit)
        Clear();
    m_limit = limit;
}

bool TViewerHistory::Push(const QString &shownFile, const QString &shownTitle, TSavedPosition shownAt,
                          const QString &newFile, const QString &newTitle, TSavedPosition newAt)
{
    if (m_limit <= 0)
        return false;
    if (m_files.isEmpty()) {
        // The first move: the document we leave becomes the oldest entry, so Back can return to it.
        if (shownFile.isEmpty())
            return false;
        m_files.append(shownFile);
        m_titles.append(shownTitle);
        m_positions.push_back(shownAt);
        m_index = 0;
    } else {
        StorePosition(shownAt);
    }
    // Entries newer than the current one belong to a road we leave: drop them.
    if (m_index > 0) {
        m_files.erase(m_files.begin(), m_files.begin() + m_index);
        m_titles.erase(m_titles.begin(), m_titles.begin() + m_index);
        m_positions.erase(m_positions.begin(), m_positions.begin() + m_index);
    }
    m_files.prepend(newFile);
    m_titles.prepend(newTitle);
    m_positions.insert(m_positions.begin(), newAt);
    m_index = 0;
    while (m_files.size() > m_limit) {
        m_files.removeLast();
        m_titles.removeLast();
        m_positions.pop_back();
    }
    return true;
}

void TViewerHistory::StorePosition(TSavedPosition at)
{
    if (m_index >= 0 && m_index < Count())
        m_positions[size_t(m_index)] = at;
}

void TViewerHistory::Clear()
{
    m_files.clear();
    m_titles.clear();
    m_positions.clear();
    m_index = -1;
}

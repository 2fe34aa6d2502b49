#pragma once

#include <QList>

#include <memory>

// A wizard's working copy of a list and the entry being edited. The edited entry is either a
// fresh record (while a new one is being added) or one entry of the list itself, so that edits in
// modify mode change that entry directly. Entries are held by reference, so moving an entry keeps
// the edited one pointing at it. Nothing here touches where the list is kept: the wizard writes
// it only when the user finishes and agrees to save.
template <typename Entry> class TWorkingList {
public:
    TWorkingList() = default;
    template <typename List> explicit TWorkingList(const List &entries)
    {
        for (const Entry &entry : entries)
            m_entries.append(std::make_shared<Entry>(entry));
    }

    int count() const { return int(m_entries.size()); }
    const Entry &at(int index) const { return *m_entries.at(index); }
    // The entries as they stand, in the caller's kind of list.
    template <typename List> List entries() const
    {
        List list;
        list.reserve(m_entries.size());
        for (const auto &entry : m_entries)
            list.push_back(*entry);
        return list;
    }

    Entry &current() { return *m_current; }
    const Entry &current() const { return *m_current; }
    // The edited entry's place in the list; -1 while it is a fresh record not in the list yet.
    int currentIndex() const { return int(m_entries.indexOf(m_current)); }
    // The edited entry becomes a fresh record, as the entry's type makes it.
    void startFresh() { m_current = std::make_shared<Entry>(); }
    // The edited entry becomes the entry at index; false (and no change) when there is none.
    bool select(int index)
    {
        if (!valid(index))
            return false;
        m_current = m_entries.at(index);
        return true;
    }

    // Appends the edited entry at the end, unless it is in the list already: a Finish whose save
    // question was cancelled has appended it once, and a second Finish must not add a twin.
    // Returns whether it appended.
    bool appendCurrent()
    {
        if (m_entries.contains(m_current))
            return false;
        m_entries.append(m_current);
        m_changed = true;
        return true;
    }
    // Moves the entry one place; false when it is already first (last) or there is no such entry.
    bool moveUp(int index) { return index > 0 && swap(index, index - 1); }
    bool moveDown(int index) { return index < count() - 1 && swap(index, index + 1); }
    // Drops the entry; when it was the edited entry, a fresh record takes its place.
    bool remove(int index)
    {
        if (!valid(index))
            return false;
        if (m_entries.at(index) == m_current)
            startFresh();
        m_entries.removeAt(index);
        m_changed = true;
        return true;
    }

    // Whether some edit, move or delete happened since the list was made or last saved.
    bool changed() const { return m_changed; }
    void markChanged() { m_changed = true; }
    void markSaved() { m_changed = false; }

private:
    bool valid(int index) const { return index >= 0 && index < count(); }
    bool swap(int index, int other)
    {
        if (!valid(index) || !valid(other))
            return false;
        m_entries.swapItemsAt(index, other);
        m_changed = true;
        return true;
    }

    QList<std::shared_ptr<Entry>> m_entries;
    std::shared_ptr<Entry> m_current = std::make_shared<Entry>();
    bool m_changed = false;
};

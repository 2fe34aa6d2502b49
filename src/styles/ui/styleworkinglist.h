#pragma once

#include "stylechunk.h"

#include <QList>

#include <memory>

// The style wizard's working copy of the style list and the style being edited. The edited
// style is either a fresh record (while a new style is being added) or one entry of the list
// itself, so that edits in modify mode change that entry directly. Entries are held by
// reference, so moving an entry keeps the edited style pointing at it. Nothing here touches
// the styles file: the wizard writes the list only when the user finishes and agrees to save.
class TStyleWorkingList {
public:
    explicit TStyleWorkingList(const TStyleList &styles = {});

    int count() const { return int(m_entries.size()); }
    const TStyleChunk &at(int index) const { return *m_entries.at(index); }
    TStyleList styles() const;

    // The style being edited.
    TStyleChunk &current() { return *m_current; }
    const TStyleChunk &current() const { return *m_current; }
    // Its place in the list, -1 while it is a fresh record that is not in the list yet.
    int currentIndex() const;
    // The edited style becomes a fresh record with the default colours.
    void startFresh();
    // The edited style becomes the entry at index; false (and no change) when there is none.
    bool select(int index);

    // Appends the edited style at the end, unless it is in the list already: a Finish whose save
    // question was cancelled has appended it once, and a second Finish must not add a twin.
    // Returns whether it appended.
    bool appendCurrent();
    // Moves the entry one place; false when it is already first (last) or there is no such entry.
    bool moveUp(int index);
    bool moveDown(int index);
    // Drops the entry; when it was the edited style, a fresh record takes its place.
    bool remove(int index);

    // Whether some edit, move or delete happened since the list was made.
    bool changed() const { return m_changed; }
    void markChanged() { m_changed = true; }

private:
    bool valid(int index) const { return index >= 0 && index < count(); }

    QList<std::shared_ptr<TStyleChunk>> m_entries;
    std::shared_ptr<TStyleChunk> m_current = std::make_shared<TStyleChunk>();
    bool m_changed = false;
};

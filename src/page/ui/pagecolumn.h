#pragma once

#include "webchunk.h"

#include <QStringList>

#include <optional>

// The page column of the build stage without its widgets: which chunks of the page the eight
// visible slots show, which block is selected, and the rules for adding, moving and deleting
// blocks and for scrolling. The canvas asks this class what to show and only mirrors it, so the
// rules can be tested without a screen and every operation touches at most the eight visible
// slots (a page of ten thousand blocks scrolls as fast as a page of ten).
//
// Rows are the slot numbers a dragged picture is over: 0 to 7 are the visible slots, 8 is the
// row below them (where the shredder sits and where a held block scrolls the column down).
class TPageColumn {
public:
    static constexpr int kVisibleSlots = 8;
    static constexpr int kRowBelow = 8;

    explicit TPageColumn(TWebChunkList &chunks) : m_chunks(chunks) {}

    int count() const { return static_cast<int>(m_chunks.size()); }
    // The index of the chunk in slot 0; also the scroll bar's position.
    int first() const { return m_first; }
    int visibleCount() const { return std::min(count(), kVisibleSlots); }
    // The chunk shown in a slot, or -1 for an empty or invalid slot.
    int chunkAt(int slot) const;
    // The slot that shows a chunk, or -1 when it is scrolled out of view.
    int slotOf(int chunkIndex) const;

    bool scrollBarVisible() const { return count() > kVisibleSlots; }
    int scrollMaximum() const { return std::max(0, count() - kVisibleSlots); }

    // The selected chunk (whose panel is shown) and its slot; both -1 when nothing is selected.
    int selectedIndex() const { return m_selectedIndex; }
    int selectedSlot() const { return m_selectedSlot; }
    // Selects the chunk in a visible slot; an empty slot clears the selection.
    void selectSlot(int slot);
    // Selects a chunk anywhere in the page, scrolling it into view when it is not shown.
    void selectChunk(int chunkIndex);
    void clearSelection();

    // Inserts a chunk dropped from the toolbox over a row. Over a block it goes before that block;
    // below the last block (or into the row below the column) it is appended to the page and the
    // column shows the end of the page. Returns the new chunk's index; it is selected.
    int insertAt(int row, TWebChunk chunk);

    // Moves a chunk to the block shown in a row (clamped to the last visible block): moved down it
    // lands after that block, moved up before it. Returns false when it is already there.
    bool move(int chunkIndex, int row);

    // Deletes a chunk and refills the column as the shredder does: the following block moves
    // up into the gap, or, when the page has no more blocks below, the column scrolls up by one.
    // The block now in the deleted block's slot (or the one above it) is selected; nothing is
    // selected when the page becomes empty.
    void remove(int chunkIndex);

    // Scrolls so that chunk `first` is in slot 0 (clamped to 0 .. scrollMaximum()). The selected
    // block keeps its highlight while it stays in view; otherwise the nearest visible one takes it.
    // Returns false when nothing moved.
    bool scrollTo(int first);
    bool scrollDown() { return scrollTo(m_first + 1); }
    bool scrollUp() { return scrollTo(m_first - 1); }

    // Forgets the column after the page's chunks were cleared.
    void reset();
    // Takes note of chunks appended to the page by a reader; the view stays where it is.
    void chunksAppended() { clampFirst(); }

    // Every broken invariant, described; empty when the column is sound.
    QStringList selfCheck() const;

private:
    void clampFirst();

    TWebChunkList &m_chunks;
    int m_first = 0;
    int m_selectedIndex = -1;
    int m_selectedSlot = -1;
};

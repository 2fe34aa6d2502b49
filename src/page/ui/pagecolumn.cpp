#include "pagecolumn.h"

#include <algorithm>

int TPageColumn::chunkAt(int slot) const
{
    if (slot < 0 || slot >= visibleCount())
        return -1;
    return m_first + slot;
}

int TPageColumn::slotOf(int chunkIndex) const
{
    const int slot = chunkIndex - m_first;
    return slot >= 0 && slot < visibleCount() ? slot : -1;
}

void TPageColumn::selectSlot(int slot)
{
    const int chunk = chunkAt(slot);
    if (chunk < 0) {
        clearSelection();
        return;
    }
    m_selectedIndex = chunk;
    m_selectedSlot = slot;
}

void TPageColumn::selectChunk(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= count()) {
        clearSelection();
        return;
    }
    if (chunkIndex < m_first)
        m_first = chunkIndex;
    else if (chunkIndex >= m_first + kVisibleSlots)
        m_first = chunkIndex - (kVisibleSlots - 1);
    clampFirst();
    selectSlot(chunkIndex - m_first);
}

void TPageColumn::clearSelection()
{
    m_selectedIndex = -1;
    m_selectedSlot = -1;
}

int TPageColumn::insertAt(int row, TWebChunk chunk)
{
    const int shown = visibleCount();
    row = std::max(row, 0);
    int position = 0;
    if (row < shown) {
        // Dropped on a block: the new block goes before it.
        position = m_first + row;
        const int maximumBefore = scrollMaximum();
        m_chunks.insert(m_chunks.begin() + position, std::move(chunk));
        // On the last slot of a full column the block dropped on would be pushed out of view;
        // the column scrolls down by one to keep it, unless the view already showed the end.
        if (shown == kVisibleSlots && row == kVisibleSlots - 1 && m_first < maximumBefore)
            ++m_first;
    } else {
        // Below the last block: appended, and the column shows the end of the page.
        position = count();
        m_chunks.push_back(std::move(chunk));
        m_first = scrollMaximum();
    }
    selectSlot(position - m_first);
    return position;
}

bool TPageColumn::move(int chunkIndex, int row)
{
    if (chunkIndex < 0 || chunkIndex >= count() || visibleCount() == 0)
        return false;
    row = std::clamp(row, 0, visibleCount() - 1);
    const int target = m_first + row;
    if (target == chunkIndex)
        return false;
    // Rotating only the stretch between the two places keeps a move on a long page cheap.
    const auto begin = m_chunks.begin();
    if (chunkIndex < target)
        std::rotate(begin + chunkIndex, begin + chunkIndex + 1, begin + target + 1);
    else
        std::rotate(begin + target, begin + chunkIndex, begin + chunkIndex + 1);
    selectSlot(row);
    return true;
}

void TPageColumn::remove(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= count())
        return;
    const int shownBefore = visibleCount();
    int slot = chunkIndex - m_first;
    const bool wasShown = slot >= 0 && slot < shownBefore;
    m_chunks.erase(m_chunks.begin() + chunkIndex);

    if (!wasShown) {
        // The block was carried out of view (the column scrolled while it was held): the view
        // keeps showing the same blocks and the highlight keeps its slot.
        if (chunkIndex < m_first)
            --m_first;
        clampFirst();
        if (m_selectedSlot >= 0)
            selectSlot(std::min(m_selectedSlot, visibleCount() - 1));
        return;
    }

    if (shownBefore == kVisibleSlots && count() >= m_first + kVisibleSlots) {
        // The block that followed the deleted one takes its slot.
    } else if (shownBefore == kVisibleSlots && m_first > 0) {
        --m_first; // nothing left below: the column scrolls up, bringing a block back from above
    } else if (shownBefore == kVisibleSlots) {
        if (slot == kVisibleSlots - 1)
            slot = kVisibleSlots - 2;
    } else if (slot == shownBefore - 1) {
        --slot;
    }
    if (count() == 0)
        clearSelection();
    else
        selectSlot(slot);
}

bool TPageColumn::scrollTo(int first)
{
    first = std::clamp(first, 0, scrollMaximum());
    if (first == m_first)
        return false;
    const int delta = first - m_first;
    m_first = first;
    if (m_selectedSlot >= 0)
        selectSlot(std::clamp(m_selectedSlot - delta, 0, visibleCount() - 1));
    return true;
}

void TPageColumn::reset()
{
    m_first = 0;
    clearSelection();
}

void TPageColumn::clampFirst()
{
    m_first = std::clamp(m_first, 0, scrollMaximum());
    if (m_selectedIndex >= count() || (m_selectedSlot >= 0 && chunkAt(m_selectedSlot) != m_selectedIndex))
        clearSelection();
}

QStringList TPageColumn::selfCheck() const
{
    QStringList problems;
    if (m_first < 0 || m_first > scrollMaximum())
        problems << QStringLiteral("first shown chunk %1 outside 0..%2").arg(m_first).arg(scrollMaximum());
    if ((m_selectedIndex < 0) != (m_selectedSlot < 0))
        problems << QStringLiteral("selection index %1 and slot %2 disagree")
                        .arg(m_selectedIndex)
                        .arg(m_selectedSlot);
    if (m_selectedIndex >= 0 && chunkAt(m_selectedSlot) != m_selectedIndex)
        problems << QStringLiteral("selected chunk %1 is not the one in slot %2")
                        .arg(m_selectedIndex)
                        .arg(m_selectedSlot);
    // A chunk's kind follows its record, so the only broken chunk is one without a record.
    for (int i = 0; i < count(); ++i) {
        if (m_chunks[size_t(i)].Kind() == bkNone) {
            problems << QStringLiteral("chunk %1 has no record").arg(i);
            break;
        }
    }
    return problems;
}

// The keyboard's side of the page canvas: what the bricks do when they have the focus, so that
// a page can be built without the mouse. A toolbox brick adds a block of its kind at the end of
// the page; a column block is selected with Space or Enter, the arrows move the focus along the
// column, Ctrl with the arrows moves the block itself, and Delete shreds it.

#include "page.h"
#include "pagecanvas.h"
#include "playwave.h"
#include "webblock.h"

#include <QKeyEvent>

namespace {

bool isActivateKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
           event->modifiers() == Qt::NoModifier;
}

} // namespace

void TPageCanvas::toolboxKeyPress(TWebBlock *image, QKeyEvent *event)
{
    if (!isActivateKey(event) || m_toolboxDragging || m_columnDragging)
        return;
    event->accept();
    const int before = m_column.selectedIndex();
    m_column.insertAt(TPageColumn::kRowBelow, NewWebChunk(image->kind()));
    syncColumn();
    m_page.setPageModified(true);
    PlayWave(QStringLiteral("wavClick2"));
    emit pageChanged();
    reportSelection(before, TReport::Always);
    stopHint();
}

void TPageCanvas::columnKeyPress(TWebBlock *block, QKeyEvent *event)
{
    if (m_toolboxDragging || m_columnDragging || block->SlotIndex < 0)
        return;
    const int slot = block->SlotIndex;
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (isActivateKey(event)) {
        event->accept();
        if (block->ChunkIndex != m_column.selectedIndex())
            HighLightBlock(slot);
    } else if ((plain || ctrl) && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        event->accept();
        const int delta = event->key() == Qt::Key_Up ? -1 : 1;
        if (ctrl)
            moveBlockByKey(block->ChunkIndex, delta);
        else
            focusChunk(block->ChunkIndex + delta);
    } else if (plain && event->key() == Qt::Key_Delete) {
        event->accept();
        // Shredding may delete the very widget whose key handler this is; it waits until the
        // handler has returned.
        const int chunk = block->ChunkIndex;
        QMetaObject::invokeMethod(
            this,
            [this, chunk] {
                const int shownAt = m_column.slotOf(chunk);
                if (shownAt < 0 || shownAt >= int(m_blocks.size()) || m_toolboxDragging || m_columnDragging)
                    return;
                ShredWebBlock(m_blocks[size_t(shownAt)]);
                focusChunk(qMin(chunk, m_column.count() - 1));
            },
            Qt::QueuedConnection);
    }
}

void TPageCanvas::moveBlockByKey(int chunkIndex, int delta)
{
    const int target = chunkIndex + delta;
    if (target < 0 || target >= m_column.count())
        return;
    const int before = m_column.selectedIndex();
    // The block it trades places with must be shown: the move works on the rows of the column.
    while (m_column.slotOf(target) < 0) {
        if (!(delta < 0 ? m_column.scrollUp() : m_column.scrollDown()))
            return;
    }
    const bool moved = m_column.move(chunkIndex, m_column.slotOf(target));
    syncColumn();
    if (moved) {
        m_page.setPageModified(true);
        PlayWave(QStringLiteral("wavClick2"));
        emit pageChanged();
        reportSelection(before, TReport::Always);
    } else {
        reportSelection(before);
    }
    focusChunk(target);
}

void TPageCanvas::focusChunk(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= m_column.count())
        return;
    if (m_column.slotOf(chunkIndex) < 0) {
        const int before = m_column.selectedIndex();
        m_column.scrollTo(chunkIndex < m_column.first() ? chunkIndex
                                                        : chunkIndex - TPageColumn::kVisibleSlots + 1);
        syncColumn();
        reportSelection(before);
    }
    const int slot = m_column.slotOf(chunkIndex);
    if (slot >= 0 && slot < int(m_blocks.size()))
        m_blocks[size_t(slot)]->setFocus(Qt::TabFocusReason);
}

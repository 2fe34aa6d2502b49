#pragma once

#include "pagecolumn.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QKeyEvent;
class QMouseEvent;
class QScrollBar;
class QTimer;
class TPage;
class TWebBlock;

// The left half of the build stage: the toolbox of six brick pictures, the page column of eight
// slots, its scroll bar and the shredder. The user drags bricks into the column, drags column
// blocks up and down or onto the shredder, and clicks a block to edit it. What the column shows
// is decided by TPageColumn; this widget turns the mouse into its operations, mirrors its state
// in at most eight block widgets and plays the animations.
class TPageCanvas : public QWidget {
    Q_OBJECT
public:
    // Geometry in pixels, relative to the canvas (which stands at the build panel's top left).
    static constexpr int kSlotPitch = 31;
    static constexpr int kColumnLeft = 199;
    static constexpr int kColumnThreshold = 97;
    static constexpr int kDropThreshold = 152;
    static constexpr int kScrollDownMargin = kColumnLeft - 5;
    static constexpr int kDragTopLimit = 265;
    static constexpr int kSlideDistance = 100;
    // Stated durations of the animations, in milliseconds.
    static constexpr int kSlideTickMs = 10;
    static constexpr int kScrollRepeatMs = 250;
    static constexpr int kShredderFrameMs = 125;
    static constexpr int kShredderFrames = 8;
    static constexpr int kHintShownMs = 1000;
    static constexpr int kHintHiddenMs = 500;

    TPageCanvas(TPage &page, TPageColumn &column, QWidget *parent = nullptr);
    ~TPageCanvas() override;

    // Makes the column widgets and the scroll bar show what the column model says. Touches only
    // the visible slots.
    void syncColumn();
    // Selects the block in a visible slot (highlight and panel).
    void HighLightBlock(int slot);
    // Stops the blinking hint above the column and leaves it shown.
    void stopHint();
    // The column blocks, in slot order.
    const std::vector<TWebBlock *> &webBlocks() const { return m_blocks; }
    TWebBlock *toolboxImage(TBlockKind kind) const { return m_toolbox[size_t(kind)]; }
    // Whether a toolbox image is held or still sliding home, and whether a column block is held.
    bool toolboxDragging() const { return m_toolboxDragging; }
    bool columnDragging() const { return m_columnDragging; }
    bool shredding() const;
    // Every way in which the widgets differ from the column model; empty when they agree.
    QStringList selfCheck() const;
    // The captions of the canvas, from the string table.
    void StringEmUp();

    void spdScrollUpClick();
    void spdScrollDownClick();

signals:
    // The selected chunk changed (-1: none); the stage shows its panel.
    void selectionChanged(int chunkIndex);
    // A drop, move or deletion changed the page.
    void pageChanged();

private:
    void buildToolbox();
    void raiseShredder();
    void holdCursor();
    void releaseCursor();
    void warpPointer(QWidget *widget, QPoint point);
    // Whether the panel is shown again even when the selected index did not change (after a
    // drop or a deletion another chunk may stand at the same index).
    enum class TReport { IfChanged, Always };
    void setSelection(int slot);
    void reportSelection(int before, TReport report = TReport::IfChanged);

    void BrickMouseDown(TWebBlock *image, QMouseEvent *event);
    void DragToolboxImage(TWebBlock *image, QMouseEvent *event);
    void EndToolboxDrag(TWebBlock *image, QMouseEvent *event);
    void DropBlock(TWebBlock *image);
    void ReturnToolboxImage(TWebBlock *image);
    void timAnimTimer();

    void blockMouseDown(TWebBlock *block, QMouseEvent *event);
    void DragColumnBlock(TWebBlock *block, QMouseEvent *event);
    void blockMouseUp(TWebBlock *block, QMouseEvent *event);
    void blockClick(TWebBlock *block);
    void ArrayDrop(TWebBlock *block);
    void ShredWebBlock(TWebBlock *block);
    void AnimateShredder();
    void timShredderTimer();
    // Starts or stops the scroll timers for a held picture over a row.
    void holdOverRow(int row, int currentLeft);
    void stopScrollTimers();
    void scrollBy(int delta);
    void timInitTimer();
    TWebBlock *newColumnBlock();
    // Keyboard: adding, selecting, moving and shredding blocks, and moving the focus.
    void toolboxKeyPress(TWebBlock *image, QKeyEvent *event);
    void columnKeyPress(TWebBlock *block, QKeyEvent *event);
    void moveBlockByKey(int chunkIndex, int delta);
    void focusChunk(int chunkIndex);
    // Toolbox bricks, then the column's blocks in slot order, in the tab order.
    void arrangeTabOrder();

    TPage &m_page;
    TPageColumn &m_column;

    QWidget *m_toolBox = nullptr;      // pnlToolBox
    QLabel *m_background = nullptr;    // imgBackground
    QLabel *m_blocksLabel = nullptr;   // lblBuildBlocks
    QLabel *m_deleteLabel = nullptr;   // lblDelete
    QLabel *m_shredderBack = nullptr;  // imgShredderBack
    QLabel *m_shredder = nullptr;      // imgShredder
    QLabel *m_imgMoreBelow = nullptr;  // the arrow under the column while blocks lie below it
    QLabel *m_hint = nullptr;          // lblBuildRight
    QScrollBar *m_scrollBar = nullptr; // ScrollBar1
    std::array<TWebBlock *, kBlockKindCount> m_toolbox{};
    std::vector<TWebBlock *> m_blocks; // WebBlocks

    QTimer *m_timAnim = nullptr;
    QTimer *m_timUp = nullptr;
    QTimer *m_timDown = nullptr;
    QTimer *m_timShredder = nullptr;
    QTimer *m_timInit = nullptr;

    bool m_toolboxDragging = false;
    bool m_enteredColumn = false;
    bool m_slidingBack = false;
    bool m_columnDragging = false;
    bool m_cursorHeld = false;
    bool m_syncing = false;
    TWebBlock *m_dragImage = nullptr; // the toolbox image held or sliding back
    TWebBlock *m_dragBlock = nullptr; // the column block held
    QPoint m_lastPoint;
    int m_shredderFrame = 0;
};

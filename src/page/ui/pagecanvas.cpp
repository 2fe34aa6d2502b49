#include "pagecanvas.h"

#include "helpservice.h"
#include "page.h"
#include "playwave.h"
#include "resourcebitmap.h"
#include "resourcecursor.h"
#include "stringtable.h"
#include "testmode.h"
#include "webblock.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kToolboxLeft = 1;
constexpr std::array<const char *, kBlockKindCount> kToolboxNames = {
    "imgBrPara", "imgBrLink", "imgBrImage", "imgBrHeading", "imgBrEmail", "imgBrLine"};

// The help topic of a toolbox brick: topics 12 on are the kinds in the toolbox's order, and a
// brick's Tag is its home top, a brick's height (22) apart.
int ToolboxHelpTopic(const TWebBlock &brick)
{
    return 12 + brick.Tag / 22;
}

int SlotTop(int slot)
{
    return 1 + TPageCanvas::kSlotPitch * slot;
}

QLabel *NewPicture(QWidget *parent, const char *name, QRect geometry, const QString &art)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setPixmap(ResourcePixmap(art, geometry.size()));
    return label;
}

// The arrow under the column that tells more blocks follow below: a chevron in the column's
// pale blue, drawn at the screen's pixel density.
QLabel *NewMoreBelowArrow(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("imgMoreBelow"));
    label->setGeometry(236, 253, 22, 12);
    const qreal ratio = parent->devicePixelRatioF();
    QPixmap pixmap(label->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2F, 0x7B, 0xE0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(2.5, 2.5), QPointF(11, 8.5), QPointF(19.5, 2.5)}));
    painter.end();
    label->setPixmap(pixmap);
    label->hide();
    return label;
}

// Only a move with the left button alone, and no key held, drags.
bool LeftButtonAlone(const QMouseEvent *event)
{
    return event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
}
} // namespace

TPageCanvas::TPageCanvas(TPage &page, TPageColumn &column, QWidget *parent)
    : QWidget(parent), m_page(page), m_column(column)
{
    setObjectName(QStringLiteral("pageCanvas"));
    setFixedSize(336, 294);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lblBuildRight"));
    m_hint->move(8, 4);

    m_toolBox = new QWidget(this);
    m_toolBox->setObjectName(QStringLiteral("pnlToolBox"));
    m_toolBox->setGeometry(9, 19, 301, 273);
    m_background = NewPicture(m_toolBox, "imgBackground", QRect(0, 1, 300, 272), QStringLiteral("Page_Back"));
    buildToolbox();

    m_blocksLabel = new QLabel(m_toolBox);
    m_blocksLabel->setObjectName(QStringLiteral("lblBuildBlocks"));
    m_blocksLabel->move(17, 136);
    m_deleteLabel = new QLabel(m_toolBox);
    m_deleteLabel->setObjectName(QStringLiteral("lblDelete"));
    m_deleteLabel->move(3, 223);
    m_shredderBack =
        NewPicture(m_toolBox, "imgShredderBack", QRect(-10, 248, 96, 24), QStringLiteral("Page_BuzzBack"));
    m_shredder = new QLabel(m_toolBox);
    m_shredder->setObjectName(QStringLiteral("imgShredder"));
    m_shredder->setGeometry(7, 238, 78, 34);
    m_shredder->hide();
    m_imgMoreBelow = NewMoreBelowArrow(m_toolBox);

    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("ScrollBar1"));
    m_scrollBar->setGeometry(315, 20, 18, 271);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        const int before = m_column.selectedIndex();
        if (m_column.scrollTo(value))
            syncColumn();
        reportSelection(before);
    });

    auto newTimer = [this](const char *name, int statedMs, void (TPageCanvas::*slot)()) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(TimerInterval(statedMs));
        connect(timer, &QTimer::timeout, this, slot);
        return timer;
    };
    m_timAnim = newTimer("timAnim", kSlideTickMs, &TPageCanvas::timAnimTimer);
    m_timUp = newTimer("timUp", kScrollRepeatMs, &TPageCanvas::spdScrollUpClick);
    m_timDown = newTimer("timDown", kScrollRepeatMs, &TPageCanvas::spdScrollDownClick);
    m_timShredder = newTimer("timShredder", kShredderFrameMs, &TPageCanvas::timShredderTimer);
    m_timInit = newTimer("timInit", kHintShownMs, &TPageCanvas::timInitTimer);
    m_timInit->start();

    StringEmUp();
    raiseShredder();
}

TPageCanvas::~TPageCanvas()
{
    releaseCursor();
}

void TPageCanvas::buildToolbox()
{
    const QCursor openHand = TResourceCursor::cursor(QStringLiteral("Hand_Open"), devicePixelRatioF());
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        auto *image = new TWebBlock(TBlockKind(kind), m_toolBox);
        image->setObjectName(QLatin1String(kToolboxNames[size_t(kind)]));
        image->Tag = 1 + 22 * kind; // the home top
        image->move(kToolboxLeft, image->Tag);
        image->setCursor(openHand);
        connect(image, &TWebBlock::mouseDown, this, &TPageCanvas::BrickMouseDown);
        connect(image, &TWebBlock::mouseMove, this, &TPageCanvas::DragToolboxImage);
        connect(image, &TWebBlock::mouseUp, this, &TPageCanvas::EndToolboxDrag);
        connect(image, &TWebBlock::keyPressed, this, &TPageCanvas::toolboxKeyPress);
        connect(image, &TWebBlock::menuRequested, this, [](TWebBlock *brick, QPoint at) {
            THelpService::current().ShowWhatsThis(ToolboxHelpTopic(*brick), at);
        });
        image->setAccessibleName(TWebBlock::KindName(TBlockKind(kind)));
        m_toolbox[size_t(kind)] = image;
    }
}

void TPageCanvas::StringEmUp()
{
    m_hint->setText(LoadStr(5013));
    m_hint->adjustSize();
    m_blocksLabel->setText(LoadStr(5052));
    m_blocksLabel->adjustSize();
    m_deleteLabel->setText(LoadStr(5053));
    m_deleteLabel->adjustSize();
}

void TPageCanvas::raiseShredder()
{
    m_shredderBack->raise();
    m_shredder->raise();
}

void TPageCanvas::holdCursor()
{
    if (m_cursorHeld)
        return;
    m_cursorHeld = true;
    QGuiApplication::setOverrideCursor(
        TResourceCursor::cursor(QStringLiteral("Hand_Closed"), devicePixelRatioF()));
}

void TPageCanvas::releaseCursor()
{
    if (!m_cursorHeld)
        return;
    m_cursorHeld = false;
    QGuiApplication::restoreOverrideCursor();
}

void TPageCanvas::warpPointer(QWidget *widget, QPoint point)
{
    // The held picture is carried by the middle of its top edge. Tests drive the mouse
    // themselves, so the real pointer is left alone there.
    m_lastPoint = point;
    if (!IsTestMode())
        QCursor::setPos(widget->mapToGlobal(point));
}

TWebBlock *TPageCanvas::newColumnBlock()
{
    auto *block = new TWebBlock(bkPara, m_toolBox);
    connect(block, &TWebBlock::mouseDown, this, &TPageCanvas::blockMouseDown);
    connect(block, &TWebBlock::mouseMove, this, &TPageCanvas::DragColumnBlock);
    connect(block, &TWebBlock::mouseUp, this, &TPageCanvas::blockMouseUp);
    connect(block, &TWebBlock::clicked, this, &TPageCanvas::blockClick);
    connect(block, &TWebBlock::keyPressed, this, &TPageCanvas::columnKeyPress);
    connect(block, &TWebBlock::menuRequested, this,
            [](TWebBlock *shown, QPoint at) { THelpService::current().ShowWhatsThis(shown->Tag, at); });
    block->show();
    return block;
}

void TPageCanvas::syncColumn()
{
    const int shown = m_column.visibleCount();
    bool added = false;
    while (int(m_blocks.size()) < shown) {
        m_blocks.push_back(newColumnBlock());
        added = true;
    }
    while (int(m_blocks.size()) > shown) {
        delete m_blocks.back();
        m_blocks.pop_back();
    }
    for (int slot = 0; slot < shown; ++slot) {
        TWebBlock *block = m_blocks[size_t(slot)];
        block->ChunkIndex = m_column.first() + slot;
        block->SlotIndex = slot;
        block->setKind(m_page.WebChunks()[size_t(block->ChunkIndex)].Kind());
        block->setLook(slot == m_column.selectedSlot() ? TWebBlock::TLook::Highlighted
                                                       : TWebBlock::TLook::Plain);
        block->move(kColumnLeft, SlotTop(slot));
        block->setAccessibleName(QStringLiteral("Web Block %1 of %2: %3")
                                     .arg(block->ChunkIndex + 1)
                                     .arg(m_column.count())
                                     .arg(TWebBlock::KindName(block->kind())));
    }
    if (added) {
        arrangeTabOrder();
        // A held picture and the shredder stay in front of the column.
        if (m_dragBlock)
            m_dragBlock->raise();
        if (m_toolboxDragging && m_dragImage)
            m_dragImage->raise();
        raiseShredder();
    }
    m_syncing = true;
    m_scrollBar->setRange(0, m_column.scrollMaximum());
    m_scrollBar->setValue(m_column.first());
    m_scrollBar->setVisible(m_column.scrollBarVisible());
    m_syncing = false;
    // The arrow shows only while blocks lie below the column, where it could scroll to.
    m_imgMoreBelow->setVisible(m_column.first() + shown < m_column.count());
    if (shown > 0)
        stopHint();
}

void TPageCanvas::arrangeTabOrder()
{
    // New column blocks would otherwise come last in the window's tab order.
    QWidget *previous = m_toolbox.back();
    for (TWebBlock *block : m_blocks) {
        setTabOrder(previous, block);
        previous = block;
    }
}

void TPageCanvas::HighLightBlock(int slot)
{
    const int before = m_column.selectedIndex();
    setSelection(slot);
    reportSelection(before);
}

void TPageCanvas::setSelection(int slot)
{
    m_column.selectSlot(slot);
    for (TWebBlock *block : m_blocks)
        block->setLook(block->SlotIndex == m_column.selectedSlot() ? TWebBlock::TLook::Highlighted
                                                                   : TWebBlock::TLook::Plain);
}

void TPageCanvas::reportSelection(int before, TReport report)
{
    if (report == TReport::Always || m_column.selectedIndex() != before)
        emit selectionChanged(m_column.selectedIndex());
}

// ---- the toolbox ----

void TPageCanvas::BrickMouseDown(TWebBlock *, QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    holdCursor();
    PlayWave(QStringLiteral("wavClick1"));
}

void TPageCanvas::DragToolboxImage(TWebBlock *image, QMouseEvent *event)
{
    if (!LeftButtonAlone(event) || m_slidingBack || m_columnDragging)
        return;
    if (!m_toolboxDragging) {
        if (image->x() != kToolboxLeft)
            return;
        image->raise();
        raiseShredder();
        m_toolboxDragging = true;
        m_dragImage = image;
        warpPointer(image, QPoint(image->width() / 2, 0));
        return;
    }
    if (image != m_dragImage)
        return;
    const QPoint delta = event->position().toPoint() - m_lastPoint;
    const int newTop = std::clamp(image->y() + delta.y(), 0, kDragTopLimit);
    int newLeft = image->x() + delta.x();
    if (newLeft > kColumnThreshold)
        m_enteredColumn = true;
    int top = image->y();
    if (m_enteredColumn) {
        // Once over the column the picture snaps to the slot rows and cannot go back left.
        newLeft = std::max(newLeft, kColumnThreshold);
        const int row = std::max(newTop / 32, 0);
        holdOverRow(row, image->x());
        top = SlotTop(row);
    }
    newLeft = std::clamp(newLeft, kToolboxLeft, kColumnLeft);
    image->move(newLeft, top);
}

void TPageCanvas::EndToolboxDrag(TWebBlock *image, QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (!m_toolboxDragging)
            THelpService::current().ShowWhatsThis(ToolboxHelpTopic(*image),
                                                  event->globalPosition().toPoint());
        return;
    }
    releaseCursor();
    if (event->button() != Qt::LeftButton || !m_toolboxDragging || image != m_dragImage || m_slidingBack)
        return;
    if (image->x() >= kDropThreshold) {
        PlayWave(QStringLiteral("wavClick2"));
        DropBlock(image);
    } else if (image->x() < kColumnThreshold) {
        image->move(kToolboxLeft, image->Tag);
        m_slidingBack = false;
        m_toolboxDragging = false;
        m_dragImage = nullptr;
    } else {
        ReturnToolboxImage(image);
    }
    m_enteredColumn = false;
}

void TPageCanvas::DropBlock(TWebBlock *image)
{
    stopScrollTimers();
    const int row = (image->y() - 1) / kSlotPitch;
    const int before = m_column.selectedIndex();
    m_column.insertAt(row, NewWebChunk(image->kind()));
    syncColumn();
    m_page.setPageModified(true);
    emit pageChanged();
    reportSelection(before, TReport::Always);
    stopHint();
    ReturnToolboxImage(image);
}

void TPageCanvas::ReturnToolboxImage(TWebBlock *image)
{
    m_dragImage = image;
    image->move(kToolboxLeft - kSlideDistance, image->Tag);
    m_timAnim->start();
    stopScrollTimers();
}

void TPageCanvas::timAnimTimer()
{
    if (!m_dragImage) {
        m_timAnim->stop();
        return;
    }
    m_slidingBack = true;
    m_dragImage->move(m_dragImage->x() + kSlideDistance / 10, m_dragImage->y());
    if (m_dragImage->x() >= kToolboxLeft) {
        for (TWebBlock *image : m_toolbox)
            image->move(kToolboxLeft, image->y());
        m_timAnim->stop();
        m_slidingBack = false;
        m_toolboxDragging = false;
        m_dragImage = nullptr;
    }
}

// ---- the column ----

void TPageCanvas::blockMouseDown(TWebBlock *, QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_toolboxDragging)
        holdCursor();
}

void TPageCanvas::DragColumnBlock(TWebBlock *block, QMouseEvent *event)
{
    if (!LeftButtonAlone(event) || m_toolboxDragging)
        return;
    if (!m_columnDragging) {
        const auto it = std::find(m_blocks.begin(), m_blocks.end(), block);
        if (it == m_blocks.end())
            return;
        // A stand-in keeps the slot filled while the block itself is carried.
        TWebBlock *standIn = newColumnBlock();
        standIn->ChunkIndex = block->ChunkIndex;
        standIn->SlotIndex = block->SlotIndex;
        standIn->setKind(block->kind());
        standIn->move(block->pos());
        *it = standIn;
        block->raise();
        raiseShredder();
        m_dragBlock = block;
        m_columnDragging = true;
        warpPointer(block, QPoint(block->width() / 2, 0));
        HighLightBlock(block->SlotIndex);
        block->setLook(TWebBlock::TLook::Highlighted);
        holdCursor();
        PlayWave(QStringLiteral("wavClick1"));
        return;
    }
    if (block != m_dragBlock)
        return;
    const QPoint delta = event->position().toPoint() - m_lastPoint;
    const int newTop = std::clamp(block->y() + delta.y(), 0, kDragTopLimit);
    const int row = std::max((newTop - 1) / kSlotPitch, 0);
    holdOverRow(row, block->x());
    // Only in the row below the column can a block be pulled left, over the shredder.
    const int minimumLeft = row == TPageColumn::kRowBelow ? kToolboxLeft : kColumnThreshold;
    const int newLeft = std::clamp(block->x() + delta.x(), minimumLeft, kColumnLeft);
    block->move(newLeft, SlotTop(row));
}

void TPageCanvas::blockMouseUp(TWebBlock *block, QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (!m_columnDragging)
            THelpService::current().ShowWhatsThis(block->Tag, event->globalPosition().toPoint());
        return;
    }
    releaseCursor();
    if (event->button() == Qt::LeftButton && m_columnDragging && block == m_dragBlock) {
        ArrayDrop(block);
        m_columnDragging = false;
        m_dragBlock = nullptr;
    }
}

void TPageCanvas::blockClick(TWebBlock *block)
{
    if (m_toolboxDragging || block == m_dragBlock || block->SlotIndex < 0)
        return;
    if (block->ChunkIndex != m_column.selectedIndex())
        HighLightBlock(block->SlotIndex);
}

void TPageCanvas::ArrayDrop(TWebBlock *block)
{
    stopScrollTimers();
    const int row = (block->y() - 1) / kSlotPitch;
    if (row == TPageColumn::kRowBelow && block->x() < kColumnThreshold) {
        ShredWebBlock(block);
    } else {
        PlayWave(QStringLiteral("wavClick2"));
        const int before = m_column.selectedIndex();
        if (m_column.move(block->ChunkIndex, row)) {
            syncColumn();
            m_page.setPageModified(true);
            emit pageChanged();
            reportSelection(before, TReport::Always);
        } else {
            reportSelection(before);
        }
    }
    // The carried block goes; its stand-in stays in the column.
    block->hide();
    block->deleteLater();
}

void TPageCanvas::ShredWebBlock(TWebBlock *block)
{
    const int before = m_column.selectedIndex();
    m_column.remove(block->ChunkIndex);
    syncColumn();
    m_page.setPageModified(true);
    AnimateShredder();
    PlayWave(QStringLiteral("wavShred"));
    emit pageChanged();
    reportSelection(before, TReport::Always);
}

void TPageCanvas::AnimateShredder()
{
    m_timShredder->setInterval(TimerInterval(kShredderFrameMs));
    m_shredderFrame = 0;
    m_timShredder->start();
}

bool TPageCanvas::shredding() const
{
    return m_timShredder->isActive();
}

void TPageCanvas::timShredderTimer()
{
    if (m_shredderFrame == kShredderFrames) {
        m_shredderBack->raise();
        m_shredder->hide();
        m_shredderFrame = 0;
        m_timShredder->stop();
        return;
    }
    static std::array<QPixmap, kShredderFrames> frames;
    QPixmap &frame = frames[size_t(m_shredderFrame)];
    if (frame.isNull())
        frame = ResourcePixmap(QStringLiteral("Page_Buzz%1").arg(m_shredderFrame + 1), m_shredder->size());
    m_shredder->setPixmap(frame);
    m_shredder->show();
    m_shredder->raise();
    ++m_shredderFrame;
}

// ---- scrolling ----

void TPageCanvas::holdOverRow(int row, int currentLeft)
{
    if (row == 0) {
        m_timDown->stop();
        if (!m_timUp->isActive())
            m_timUp->start();
    } else if (row == TPageColumn::kRowBelow) {
        m_timUp->stop();
        if (currentLeft > kScrollDownMargin) {
            if (!m_timDown->isActive())
                m_timDown->start();
        } else {
            m_timDown->stop();
        }
    } else {
        stopScrollTimers();
    }
}

void TPageCanvas::stopScrollTimers()
{
    m_timUp->stop();
    m_timDown->stop();
}

void TPageCanvas::scrollBy(int delta)
{
    const int before = m_column.selectedIndex();
    if (m_column.scrollTo(m_column.first() + delta))
        syncColumn();
    reportSelection(before);
}

void TPageCanvas::spdScrollUpClick()
{
    scrollBy(-1);
}

void TPageCanvas::spdScrollDownClick()
{
    scrollBy(1);
}

void TPageCanvas::stopHint()
{
    m_timInit->stop();
    m_hint->show();
}

void TPageCanvas::timInitTimer()
{
    // Shown for a second, hidden for half a second, until the first block arrives.
    const bool show = !m_hint->isVisible();
    m_hint->setVisible(show);
    m_timInit->setInterval(TimerInterval(show ? kHintShownMs : kHintHiddenMs));
}

QStringList TPageCanvas::selfCheck() const
{
    QStringList problems = m_column.selfCheck();
    if (int(m_blocks.size()) != m_column.visibleCount())
        problems << QStringLiteral("%1 column blocks for %2 visible chunks")
                        .arg(m_blocks.size())
                        .arg(m_column.visibleCount());
    for (size_t slot = 0; slot < m_blocks.size(); ++slot) {
        const TWebBlock *block = m_blocks[slot];
        const int chunk = m_column.chunkAt(int(slot));
        if (block->ChunkIndex != chunk || block->SlotIndex != int(slot) ||
            block->pos() != QPoint(kColumnLeft, SlotTop(int(slot))))
            problems << QStringLiteral("block in slot %1 shows chunk %2 at %3,%4")
                            .arg(slot)
                            .arg(block->ChunkIndex)
                            .arg(block->x())
                            .arg(block->y());
        else if (chunk >= 0 && block->kind() != m_page.WebChunks()[size_t(chunk)].Kind())
            problems << QStringLiteral("block in slot %1 shows the wrong kind").arg(slot);
        if (block->highlighted() != (int(slot) == m_column.selectedSlot()))
            problems << QStringLiteral("highlight of slot %1 is wrong").arg(slot);
    }
    if (m_scrollBar->isVisibleTo(const_cast<TPageCanvas *>(this)) != m_column.scrollBarVisible() ||
        m_scrollBar->maximum() != m_column.scrollMaximum() || m_scrollBar->value() != m_column.first())
        problems << QStringLiteral("scroll bar %1 of %2 does not match the column")
                        .arg(m_scrollBar->value())
                        .arg(m_scrollBar->maximum());
    return problems;
}

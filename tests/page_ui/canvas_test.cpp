#include "recordinghelp.h"
#include "stagefixture.h"
#include "stringtable.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

using CanvasTest = StageTest;

TEST_F(CanvasTest, DropsOnEverySlotOfAFullColumnInsertBeforeTheShownBlock)
{
    loadParagraphs(10);
    for (int row = 0; row < 7; ++row) {
        const int before = int(page.WebChunks().size());
        dropNew(bkLine, row);
        ASSERT_EQ(int(page.WebChunks().size()), before + 1);
        EXPECT_EQ(page.WebChunks()[size_t(row)].Kind(), bkLine) << "row " << row;
        EXPECT_EQ(stage->SelectedIndex(), row);
        EXPECT_EQ(canvas()->webBlocks().size(), 8u);
        expectSound();
        // Put the page back as it was for the next row.
        page.editableChunks().erase(page.editableChunks().begin() + row);
        stage->SelectBlock(0);
        canvas()->syncColumn();
    }
    EXPECT_TRUE(page.PageModified());
}

TEST_F(CanvasTest, DropOnTheLastSlotScrollsToKeepTheNeighbourVisible)
{
    loadParagraphs(10);
    dropNew(bkHeading, 7);
    EXPECT_EQ(order(), "0 1 2 3 4 5 6 Heading 7 8 9");
    EXPECT_EQ(stage->column().first(), 1);
    EXPECT_EQ(stage->SelectedIndex(), 7);
    EXPECT_TRUE(find<QWidget>("pnlHeading")->isVisible());
    expectSound();
}

TEST_F(CanvasTest, DropsBelowTheLastBlockAppendAndSelectTheNewBlock)
{
    loadParagraphs(3);
    dropNew(bkLink, 5);
    EXPECT_EQ(order(), "0 1 2 Link");
    EXPECT_EQ(stage->SelectedIndex(), 3);
    EXPECT_TRUE(block(3)->highlighted());
    EXPECT_TRUE(find<QWidget>("pnlLink")->isVisible());
    expectSound();

    // Into the row below a full column that does not show the end: the column jumps there.
    loadParagraphs(16);
    stage->SelectBlock(0);
    dropNew(bkEmail, 8);
    EXPECT_EQ(page.WebChunks().back().Kind(), bkEmail);
    EXPECT_EQ(stage->column().first(), stage->column().scrollMaximum());
    EXPECT_EQ(stage->column().selectedSlot(), 7);
    EXPECT_EQ(find<QScrollBar>("ScrollBar1")->value(), 13);
    expectSound();
}

TEST_F(CanvasTest, EveryKindDropsWithItsDefaults)
{
    for (int kind = 0; kind < kBlockKindCount; ++kind)
        dropNew(TBlockKind(kind), 8);
    ASSERT_EQ(page.WebChunks().size(), size_t(kBlockKindCount));
    for (int kind = 0; kind < kBlockKindCount; ++kind)
        EXPECT_EQ(page.WebChunks()[size_t(kind)], NewWebChunk(TBlockKind(kind)));
    expectSound();
}

TEST_F(CanvasTest, ReleasedToolboxPicturesGoHomeByTheirThresholds)
{
    TWebBlock *image = toolbox(bkImage);
    const int home = image->y();

    // Left of the column threshold it jumps home at once.
    press(image);
    carryTo(image, 90, home);
    EXPECT_EQ(image->x(), 90);
    release(image);
    EXPECT_EQ(image->pos(), QPoint(1, home));
    EXPECT_FALSE(canvas()->toolboxDragging());

    // Between the thresholds it slides in from the left in ten steps.
    QTimer *slide = canvas()->findChild<QTimer *>(QStringLiteral("timAnim"));
    QSignalSpy ticks(slide, &QTimer::timeout);
    press(image);
    carryTo(image, 120, toolboxRowTop(3));
    release(image);
    EXPECT_EQ(image->pos(), QPoint(-99, home));
    EXPECT_TRUE(page.WebChunks().empty());
    QTRY_VERIFY(!canvas()->toolboxDragging());
    EXPECT_EQ(ticks.count(), 10);
    EXPECT_EQ(image->pos(), QPoint(1, home));

    // Just short of the drop threshold it slides home too; at the threshold it is dropped.
    press(image);
    carryTo(image, 151, toolboxRowTop(2));
    release(image);
    QTRY_VERIFY(!canvas()->toolboxDragging());
    EXPECT_TRUE(page.WebChunks().empty());
    press(image);
    carryTo(image, 152, toolboxRowTop(2));
    release(image);
    QTRY_VERIFY(!canvas()->toolboxDragging());
    EXPECT_EQ(page.WebChunks().size(), 1u);
    EXPECT_EQ(image->pos(), QPoint(1, home));
    EXPECT_FALSE(page.WebChunks().empty());
}

TEST_F(CanvasTest, ToolboxPictureKeepsItsRowUntilOverTheColumnAndThenStaysThere)
{
    TWebBlock *image = toolbox(bkPara);
    press(image);
    carryTo(image, 60, 200);
    EXPECT_EQ(image->pos(), QPoint(60, 1)); // sideways only
    carryTo(image, 110, toolboxRowTop(4));
    EXPECT_EQ(image->pos(), QPoint(110, 1 + 31 * 4));
    carryTo(image, 20, toolboxRowTop(4));
    EXPECT_EQ(image->x(), 97); // cannot go back left of the column threshold
    carryTo(image, 400, toolboxRowTop(4));
    EXPECT_EQ(image->x(), 199);
    release(image);
    QTRY_VERIFY(!canvas()->toolboxDragging());
}

TEST_F(CanvasTest, SlidingBackBlocksNewDragsAndClicks)
{
    loadParagraphs(3);
    stage->SelectBlock(0);
    TWebBlock *image = toolbox(bkLine);
    press(image);
    carryTo(image, 120, toolboxRowTop(1));
    release(image);
    ASSERT_TRUE(canvas()->toolboxDragging());
    QTest::mouseClick(block(2), Qt::LeftButton);
    EXPECT_EQ(stage->SelectedIndex(), 0);
    press(toolbox(bkPara));
    EXPECT_EQ(toolbox(bkPara)->x(), 1);
    QTest::mouseRelease(toolbox(bkPara), Qt::LeftButton);
    QTRY_VERIFY(!canvas()->toolboxDragging());
    QTest::mouseClick(block(2), Qt::LeftButton);
    EXPECT_EQ(stage->SelectedIndex(), 2);
    EXPECT_TRUE(find<QWidget>("pnlPara")->isVisible());
}

TEST_F(CanvasTest, ColumnBlocksReorderDownAfterAndUpBefore)
{
    loadParagraphs(5);
    page.setPageModified(false);
    dragBlock(1, 3);
    EXPECT_EQ(order(), "0 2 3 1 4");
    EXPECT_EQ(stage->SelectedIndex(), 3);
    EXPECT_TRUE(block(3)->highlighted());
    EXPECT_TRUE(page.PageModified());
    expectSound();
    dragBlock(4, 0);
    EXPECT_EQ(order(), "4 0 2 3 1");
    expectSound();
    // Released in the row below, right of the shredder: to the last visible slot.
    dragBlock(0, 8, 150);
    EXPECT_EQ(order(), "0 2 3 1 4");
    expectSound();
    // Dropped where it came from: nothing changes.
    page.setPageModified(false);
    dragBlock(2, 2);
    EXPECT_EQ(order(), "0 2 3 1 4");
    EXPECT_FALSE(page.PageModified());
    expectSound();
}

TEST_F(CanvasTest, ColumnBlocksReachTheShredderOnlyInTheRowBelow)
{
    loadParagraphs(4);
    TWebBlock *held = block(1);
    press(held);
    carryTo(held, 20, columnRowTop(5));
    EXPECT_EQ(held->x(), 97);
    carryTo(held, -30, columnRowTop(8));
    EXPECT_EQ(held->x(), 1);
    release(held);
    EXPECT_EQ(order(), "0 2 3");
    EXPECT_TRUE(canvas()->shredding());
    QTRY_VERIFY(find<QLabel>("imgShredder")->isVisible());
    QTRY_VERIFY(!canvas()->shredding());
    EXPECT_FALSE(find<QLabel>("imgShredder")->isVisible());
    EXPECT_EQ(stage->SelectedIndex(), 1);
    expectSound();
}

TEST_F(CanvasTest, ShreddingRefillsFromBelowAndEmptiesToTheBlankPanel)
{
    loadParagraphs(9);
    dragBlock(7, 8, 10);
    EXPECT_EQ(order(), "0 1 2 3 4 5 6 8");
    EXPECT_EQ(stage->SelectedIndex(), 7);
    EXPECT_TRUE(block(7)->highlighted());
    EXPECT_FALSE(find<QScrollBar>("ScrollBar1")->isVisible());
    expectSound();

    page.clear();
    loadParagraphs(1);
    dragBlock(0, 8, 10);
    EXPECT_TRUE(page.WebChunks().empty());
    EXPECT_EQ(stage->SelectedIndex(), -1);
    EXPECT_TRUE(find<QWidget>("pnlBlank")->isVisible());
    expectSound();
}

TEST_F(CanvasTest, ScrollBarFollowsTheLengthOfThePage)
{
    auto *bar = find<QScrollBar>("ScrollBar1");
    loadParagraphs(8);
    EXPECT_FALSE(bar->isVisible());
    loadParagraphs(1);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 1);
    loadParagraphs(3);
    EXPECT_EQ(bar->maximum(), 4);
    expectSound();

    // Moving the thumb far moves the column as far, and the highlight follows its chunk.
    stage->SelectBlock(2);
    bar->setValue(1);
    EXPECT_EQ(block(0)->ChunkIndex, 1);
    EXPECT_EQ(stage->SelectedIndex(), 2);
    bar->setValue(4);
    EXPECT_EQ(block(0)->ChunkIndex, 4);
    EXPECT_EQ(stage->SelectedIndex(), 4);
    expectSound();

    for (int i = 0; i < 4; ++i)
        dragBlock(0, 8, 10);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(canvas()->webBlocks().size(), 8u);
    expectSound();
}

TEST_F(CanvasTest, TheArrowUnderTheColumnShowsOnlyWhileBlocksLieBelow)
{
    auto *arrow = find<QLabel>("imgMoreBelow");
    // Regression: the arrow was part of the background and showed on an empty page.
    EXPECT_FALSE(arrow->isVisible());
    loadParagraphs(8);
    EXPECT_FALSE(arrow->isVisible());
    loadParagraphs(2);
    EXPECT_TRUE(arrow->isVisible());
    auto *bar = find<QScrollBar>("ScrollBar1");
    bar->setValue(1);
    EXPECT_TRUE(arrow->isVisible());
    bar->setValue(2);
    EXPECT_FALSE(arrow->isVisible());
    bar->setValue(0);
    EXPECT_TRUE(arrow->isVisible());
}

TEST_F(CanvasTest, HoldingABlockAtTheTopOrBottomRowScrollsOneByOne)
{
    loadParagraphs(12);
    stage->SelectBlock(0);
    QTimer *down = canvas()->findChild<QTimer *>(QStringLiteral("timDown"));
    QTimer *up = canvas()->findChild<QTimer *>(QStringLiteral("timUp"));
    QSignalSpy downTicks(down, &QTimer::timeout);

    TWebBlock *held = block(3);
    press(held);
    carryTo(held, 199, columnRowTop(8));
    EXPECT_TRUE(down->isActive());
    QTRY_COMPARE(stage->column().first(), 4);
    expectSound();
    // Over the shredder's side of the row the column does not scroll (the timer looks at where
    // the block was before the move, so it stops on the move after).
    carryTo(held, 190, columnRowTop(8));
    carryTo(held, 180, columnRowTop(8));
    EXPECT_FALSE(down->isActive());
    const int ticks = int(downTicks.count());
    EXPECT_GE(ticks, 4);
    carryTo(held, 199, columnRowTop(0));
    EXPECT_TRUE(up->isActive());
    QTRY_COMPARE(stage->column().first(), 0);
    carryTo(held, 199, columnRowTop(5));
    EXPECT_FALSE(up->isActive());
    release(held);
    // The held chunk 3 went before the block now in slot 5.
    EXPECT_EQ(order(), "0 1 2 4 5 3 6 7 8 9 10 11");
    expectSound();
}

TEST_F(CanvasTest, HoldingAToolboxPictureAtTheTopScrollsUp)
{
    loadParagraphs(9);
    find<QScrollBar>("ScrollBar1")->setValue(1);
    TWebBlock *image = toolbox(bkPara);
    press(image);
    carryTo(image, 199, toolboxRowTop(0));
    QTRY_COMPARE(stage->column().first(), 0);
    release(image);
    QTRY_VERIFY(!canvas()->toolboxDragging());
    EXPECT_EQ(order(), "P 0 1 2 3 4 5 6 7 8");
    expectSound();
}

TEST_F(CanvasTest, ClickingSelectsWithoutChangingThePage)
{
    loadParagraphs(3);
    page.editableChunks()[1] = NewWebChunk(bkEmail);
    stage->SelectFirstBlock();
    page.setPageModified(false);
    QTest::mouseClick(block(1), Qt::LeftButton);
    EXPECT_EQ(stage->SelectedIndex(), 1);
    EXPECT_TRUE(block(1)->highlighted());
    EXPECT_FALSE(block(0)->highlighted());
    EXPECT_TRUE(find<QWidget>("pnlEmail")->isVisible());
    EXPECT_FALSE(page.PageModified());
    expectSound();
}

TEST_F(CanvasTest, RightClicksAskForTheHelpOfWhatIsUnderThePointer)
{
    loadParagraphs(1);
    TRecordingHelp help;
    QTest::mouseClick(block(0), Qt::RightButton, {}, QPoint(4, 5));
    QTest::mouseClick(toolbox(bkHeading), Qt::RightButton);
    QTest::mouseClick(toolbox(bkLine), Qt::RightButton);
    ASSERT_EQ(help.requests().size(), 3);
    using Kind = TRecordingHelp::Kind;
    EXPECT_EQ(help.requests()[0],
              (TRecordingHelp::Request{Kind::WhatsThis, 11, block(0)->mapToGlobal(QPoint(4, 5))}));
    EXPECT_EQ(help.requests()[1].topic, 15);
    EXPECT_EQ(help.requests()[2].topic, 17);
}

TEST_F(CanvasTest, LoadingAndClearingThePage)
{
    EXPECT_TRUE(page.appendChunk(NewWebChunk(bkImage)));
    ASSERT_TRUE(page.WebChunks()[0].Image() != nullptr);
    EXPECT_EQ(page.WebChunks()[0].Image()->LinkURL, "http://");
    stage->SelectBlock(0);

    TWebChunk strange; // a chunk of no known kind, without a record
    EXPECT_FALSE(page.appendChunk(strange));
    EXPECT_EQ(page.WebChunks().size(), 1u);
    expectSound();

    loadParagraphs(11);
    stage->SelectFirstBlock();
    EXPECT_EQ(canvas()->webBlocks().size(), 8u);
    EXPECT_TRUE(find<QWidget>("pnlImage")->isVisible());
    EXPECT_TRUE(find<QLabel>("lblBuildRight")->isVisible());
    expectSound();

    page.setPageTitle("Mine");
    page.clear();
    EXPECT_TRUE(page.WebChunks().empty());
    EXPECT_TRUE(canvas()->webBlocks().empty());
    EXPECT_FALSE(find<QScrollBar>("ScrollBar1")->isVisible());
    EXPECT_TRUE(find<QWidget>("pnlBlank")->isVisible());
    EXPECT_EQ(page.PageTitle(), LoadStrBytes(104));
    expectSound();
}

TEST_F(CanvasTest, ATenThousandBlockPageOnlyEverHoldsEightBlocks)
{
    TWebChunkList chunks;
    for (int i = 0; i < 10000; ++i)
        chunks.push_back(NewWebChunk(TBlockKind(i % kBlockKindCount)));
    page.setChunks(chunks);
    EXPECT_EQ(canvas()->webBlocks().size(), 8u);
    find<QScrollBar>("ScrollBar1")->setValue(6000);
    dropNew(bkPara, 3);
    EXPECT_EQ(page.WebChunks()[6003].Kind(), bkPara);
    dragBlock(5, 1);
    dragBlock(2, 8, 10);
    EXPECT_EQ(page.WebChunks().size(), 10000u);
    EXPECT_EQ(canvas()->findChildren<TWebBlock *>().size(), size_t(8 + kBlockKindCount));
    expectSound();
}

} // namespace

#include "pagecolumn.h"
#include "webchunk.h"

#include <gtest/gtest.h>

namespace {

// A page whose chunks are told apart by their paragraph text "0", "1", ...
class PageColumnTest : public ::testing::Test {
protected:
    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            chunks.push_back(numbered(i));
        column.chunksAppended();
    }
    static TWebChunk numbered(int n)
    {
        TWebChunk chunk = NewWebChunk(bkPara);
        chunk.Para()->Text = QByteArray::number(n);
        return chunk;
    }
    static TWebChunk line() { return NewWebChunk(bkLine); }
    // The texts of the chunks in page order ("L" for a line), to see the order at a glance.
    QByteArray order() const
    {
        QByteArray out;
        for (const TWebChunk &chunk : chunks)
            out += (chunk.Para() ? chunk.Para()->Text : QByteArray("L")) + ' ';
        return out.trimmed();
    }
    void expectSound() const { EXPECT_EQ(column.selfCheck(), QStringList()); }

    TWebChunkList chunks;
    TPageColumn column{chunks};
};

TEST_F(PageColumnTest, DropOnABlockInsertsBeforeItAndBelowTheLastAppends)
{
    fill(3);
    EXPECT_EQ(column.insertAt(1, line()), 1);
    EXPECT_EQ(order(), "0 L 1 2");
    EXPECT_EQ(column.selectedSlot(), 1);
    expectSound();

    // Below the last block (slot 4 of a 4-block page, or the row under the column).
    EXPECT_EQ(column.insertAt(6, line()), 4);
    EXPECT_EQ(order(), "0 L 1 2 L");
    EXPECT_EQ(column.selectedSlot(), 4);
    expectSound();
    EXPECT_EQ(column.insertAt(TPageColumn::kRowBelow, line()), 5);
    EXPECT_EQ(column.selectedIndex(), 5);
    expectSound();
}

TEST_F(PageColumnTest, DropIntoAScrolledColumnInsertsAtTheShownChunk)
{
    fill(20);
    ASSERT_TRUE(column.scrollTo(5));
    EXPECT_EQ(column.insertAt(0, line()), 5);
    EXPECT_EQ(column.first(), 5);
    EXPECT_EQ(column.selectedSlot(), 0);
    EXPECT_EQ(chunks[5].Kind(), bkLine);
    expectSound();
}

TEST_F(PageColumnTest, DropBelowAFullColumnJumpsToTheEndOfThePage)
{
    fill(20);
    column.scrollTo(3);
    EXPECT_EQ(column.insertAt(TPageColumn::kRowBelow, line()), 20);
    EXPECT_EQ(column.first(), 13);
    EXPECT_EQ(column.first(), column.scrollMaximum());
    EXPECT_EQ(column.selectedSlot(), 7);
    expectSound();
}

TEST_F(PageColumnTest, DropOnTheLastSlotKeepsTheNewBlockSelected)
{
    // With blocks below the view the column scrolls one down so the block dropped on stays in
    // view; the new block keeps the selection (it is the one the user wants to fill in).
    fill(12);
    EXPECT_EQ(column.insertAt(7, line()), 7);
    EXPECT_EQ(column.first(), 1);
    EXPECT_EQ(column.selectedIndex(), 7);
    EXPECT_EQ(column.selectedSlot(), 6);
    EXPECT_EQ(column.chunkAt(7), 8);
    expectSound();

    // At the end of the page the view stays and the block dropped on moves out of view.
    TWebChunkList full;
    TPageColumn atEnd(full);
    for (int i = 0; i < 8; ++i)
        full.push_back(numbered(i));
    EXPECT_EQ(atEnd.insertAt(7, line()), 7);
    EXPECT_EQ(atEnd.first(), 0);
    EXPECT_EQ(atEnd.selectedSlot(), 7);
    EXPECT_TRUE(atEnd.scrollBarVisible());
    EXPECT_EQ(atEnd.scrollMaximum(), 1);
    EXPECT_EQ(atEnd.selfCheck(), QStringList());
}

TEST_F(PageColumnTest, MovesLandAfterTheTargetGoingDownAndBeforeItGoingUp)
{
    fill(6);
    EXPECT_TRUE(column.move(1, 4));
    EXPECT_EQ(order(), "0 2 3 4 1 5");
    EXPECT_EQ(column.selectedIndex(), 4);
    expectSound();
    EXPECT_TRUE(column.move(4, 0));
    EXPECT_EQ(order(), "1 0 2 3 4 5");
    expectSound();
    EXPECT_FALSE(column.move(2, 2));
    // A release below the last block moves to the last visible one.
    EXPECT_TRUE(column.move(0, TPageColumn::kRowBelow));
    EXPECT_EQ(order(), "0 2 3 4 5 1");
    expectSound();
}

TEST_F(PageColumnTest, MoveOfABlockCarriedOutOfViewUsesTheShownRow)
{
    fill(20);
    column.selectSlot(2);
    column.scrollTo(6); // the column scrolled down while block 2 was held
    EXPECT_TRUE(column.move(2, 3));
    EXPECT_EQ(chunks[9].Para()->Text, "2");
    EXPECT_EQ(column.selectedIndex(), 9);
    expectSound();
}

TEST_F(PageColumnTest, ShreddingRefillsTheColumn)
{
    // The follower takes the gap when the page has enough blocks below.
    fill(9);
    column.remove(7);
    EXPECT_EQ(order(), "0 1 2 3 4 5 6 8");
    EXPECT_EQ(column.selectedSlot(), 7);
    EXPECT_EQ(column.chunkAt(7), 7);
    EXPECT_FALSE(column.scrollBarVisible());
    expectSound();

    // Seven left on a full column at the top: the last slot empties and the one above is selected.
    column.remove(7);
    EXPECT_EQ(column.visibleCount(), 7);
    EXPECT_EQ(column.selectedSlot(), 6);
    expectSound();

    // Not full: deleting the last block selects the one above; a middle block keeps its slot.
    column.remove(6);
    EXPECT_EQ(column.selectedSlot(), 5);
    column.remove(2);
    EXPECT_EQ(column.selectedSlot(), 2);
    EXPECT_EQ(order(), "0 1 3 4 5");
    expectSound();
}

TEST_F(PageColumnTest, ShreddingAtTheEndOfAScrolledPageScrollsUp)
{
    fill(12);
    column.scrollTo(4);
    column.remove(6); // slot 2
    EXPECT_EQ(column.first(), 3);
    EXPECT_EQ(column.scrollMaximum(), 3);
    EXPECT_EQ(column.selectedSlot(), 2);
    EXPECT_EQ(column.selectedIndex(), 5);
    expectSound();
}

TEST_F(PageColumnTest, ShreddingTheOnlyBlockLeavesNoSelection)
{
    fill(1);
    column.selectSlot(0);
    column.remove(0);
    EXPECT_EQ(column.count(), 0);
    EXPECT_EQ(column.selectedIndex(), -1);
    expectSound();
}

TEST_F(PageColumnTest, ShreddingABlockCarriedOutOfViewKeepsTheView)
{
    fill(20);
    column.selectSlot(3);
    column.scrollTo(10); // the block in slot 3 was chunk 3; now the view starts at 10
    column.remove(3);
    EXPECT_EQ(column.first(), 9);
    EXPECT_EQ(column.chunkAt(0), 9);
    EXPECT_EQ(chunks[9].Para()->Text, "10");
    expectSound();
}

TEST_F(PageColumnTest, ScrollingKeepsTheHighlightOnItsChunkWhileVisible)
{
    fill(12);
    EXPECT_EQ(column.scrollMaximum(), 4);
    column.selectSlot(3);
    EXPECT_TRUE(column.scrollDown());
    EXPECT_EQ(column.selectedIndex(), 3);
    EXPECT_EQ(column.selectedSlot(), 2);
    column.scrollTo(4);
    EXPECT_EQ(column.selectedSlot(), 0);
    EXPECT_EQ(column.selectedIndex(), 4);
    EXPECT_FALSE(column.scrollDown());
    expectSound();
    column.scrollTo(0);
    EXPECT_EQ(column.selectedSlot(), 4);
    EXPECT_FALSE(column.scrollUp());
    EXPECT_FALSE(column.scrollTo(-3));
    expectSound();
}

TEST_F(PageColumnTest, SelectingAChunkScrollsItIntoView)
{
    fill(30);
    column.selectChunk(20);
    EXPECT_EQ(column.first(), 13);
    EXPECT_EQ(column.selectedSlot(), 7);
    column.selectChunk(2);
    EXPECT_EQ(column.first(), 2);
    EXPECT_EQ(column.selectedSlot(), 0);
    column.selectChunk(99);
    EXPECT_EQ(column.selectedIndex(), -1);
    expectSound();
}

TEST_F(PageColumnTest, SelfCheckNamesBrokenInvariants)
{
    fill(3);
    const TWebChunk kept = chunks[1];
    chunks[1] = TWebChunk(); // a chunk without a record has no place in the column
    EXPECT_EQ(column.selfCheck().size(), 1);
    chunks[1] = kept;
    chunks.resize(1); // chunks removed behind the column's back while slot 2 was selected
    column.selectSlot(0);
    expectSound();
}

TEST_F(PageColumnTest, LongPagesKeepEveryOperationLocal)
{
    fill(10000);
    column.scrollTo(5000);
    column.selectSlot(4);
    EXPECT_EQ(column.insertAt(2, line()), 5002);
    EXPECT_TRUE(column.move(5002, 6));
    column.remove(5006);
    EXPECT_EQ(column.count(), 10000);
    EXPECT_EQ(column.first(), 5000);
    expectSound();
}

} // namespace

#include "stagefixture.h"

#include <QApplication>

namespace {

// The column driven from the keyboard: the same page operations as the mouse's drags.
class CanvasKeys : public StageTest {
protected:
    void SetUp() override
    {
        StageTest::SetUp();
        QApplication::setActiveWindow(stage.get());
    }
    void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, key, modifiers);
    }
    // The chunk shown by the column block that has the focus; -1 when none has it.
    int focusedChunk() const
    {
        for (TWebBlock *shown : canvas()->webBlocks())
            if (shown->hasFocus())
                return shown->ChunkIndex;
        return -1;
    }
};

TEST_F(CanvasKeys, AToolboxBrickAddsItsBlockAtTheEndOfThePage)
{
    loadParagraphs(9); // the column is scrolled to the top, the end out of view
    key(toolbox(bkLine), Qt::Key_Space);
    ASSERT_EQ(page.WebChunks().size(), 10u);
    EXPECT_EQ(page.WebChunks().back().Kind(), bkLine);
    EXPECT_EQ(stage->SelectedIndex(), 9);
    EXPECT_TRUE(page.PageModified());
    // Other keys do nothing to the page.
    key(toolbox(bkLine), Qt::Key_A);
    EXPECT_EQ(page.WebChunks().size(), 10u);
    expectSound();
}

TEST_F(CanvasKeys, ArrowsMoveTheFocusAndCtrlArrowsMoveTheBlock)
{
    loadParagraphs(10);
    key(block(0), Qt::Key_Down);
    EXPECT_EQ(focusedChunk(), 1);
    // Past the last shown block the column scrolls along.
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focusedChunk(), 8);
    EXPECT_EQ(block(0)->ChunkIndex, 1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(order(), QByteArray("0 1 2 3 4 5 6 7 9 8"));
    EXPECT_EQ(focusedChunk(), 9);
    // The last block goes no further.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(order(), QByteArray("0 1 2 3 4 5 6 7 9 8"));
    expectSound();

    // The first shown block trades places with the one above it, out of view until then.
    ASSERT_EQ(block(0)->ChunkIndex, 2);
    key(block(0), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(order(), QByteArray("0 2 1 3 4 5 6 7 9 8"));
    EXPECT_EQ(focusedChunk(), 1);
    EXPECT_EQ(block(0)->ChunkIndex, 1);
    expectSound();
}

TEST_F(CanvasKeys, SpaceSelectsAndDeleteShredsTheFocusedBlock)
{
    loadParagraphs(3);
    key(block(1), Qt::Key_Space);
    EXPECT_EQ(stage->SelectedIndex(), 1);
    key(block(1), Qt::Key_Delete);
    QTRY_COMPARE(page.WebChunks().size(), 2u);
    EXPECT_EQ(order(), QByteArray("0 2"));
    EXPECT_EQ(focusedChunk(), 1);
    expectSound();
    key(block(1), Qt::Key_Delete);
    QTRY_COMPARE(page.WebChunks().size(), 1u);
    EXPECT_EQ(focusedChunk(), 0);
    key(block(0), Qt::Key_Delete);
    QTRY_COMPARE(page.WebChunks().size(), 0u);
    expectSound();
}

} // namespace

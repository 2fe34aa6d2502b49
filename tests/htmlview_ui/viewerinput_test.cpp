#include "viewerfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

TEST_F(ViewerTest, KeysScrollByTheirStepsWithinTheDocument)
{
    viewer->LoadLines(lines(tallPage()));
    viewer->setFocus();
    const int bottom = viewer->DocumentHeight() - viewer->ViewSize().height();
    ASSERT_GT(bottom, 400);

    QTest::keyClick(viewer.get(), Qt::Key_Down);
    EXPECT_EQ(viewer->Position(), 16);
    QTest::keyClick(viewer.get(), Qt::Key_Up);
    QTest::keyClick(viewer.get(), Qt::Key_Up);
    EXPECT_EQ(viewer->Position(), 0) << "clamped at the top";
    QTest::keyClick(viewer.get(), Qt::Key_PageDown);
    EXPECT_EQ(viewer->Position(), viewer->ViewSize().height() - 16);
    QTest::keyClick(viewer.get(), Qt::Key_End);
    EXPECT_EQ(viewer->Position(), bottom);
    QTest::keyClick(viewer.get(), Qt::Key_PageDown);
    EXPECT_EQ(viewer->Position(), bottom) << "clamped at the bottom";
    QTest::keyClick(viewer.get(), Qt::Key_Home);
    EXPECT_EQ(viewer->Position(), 0);
}

TEST_F(ViewerTest, LeftAndRightMoveAWidePageSideways)
{
    viewer->LoadLines(lines("<P>" + QByteArray(100, 'M') + "</P>"));
    viewer->setFocus();
    QTest::keyClick(viewer.get(), Qt::Key_Left);
    EXPECT_EQ(viewer->HorzPosition(), 0);
    QTest::keyClick(viewer.get(), Qt::Key_Right);
    EXPECT_EQ(viewer->HorzPosition(), 15);
    for (int i = 0; i < 500; ++i)
        QTest::keyClick(viewer.get(), Qt::Key_Right);
    EXPECT_EQ(viewer->HorzPosition(), viewer->MaxHorzExtent() + 20 - viewer->ViewSize().width());
}

TEST_F(ViewerTest, DraggingSelectsTextAndCopyPutsItOnTheClipboard)
{
    viewer->LoadLines(lines("<P>Alpha Beta Gamma Delta</P>"));
    const QPoint from = surfacePointOf(QStringLiteral("Beta")) - QPoint(3, 0);
    const QPoint to = surfacePointOf(QStringLiteral("Delta")) - QPoint(3, 0);
    QTest::mousePress(surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(surface(), to);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, to);
    EXPECT_EQ(viewer->SelectedText(), QStringLiteral("Beta Gamma "));

    QApplication::clipboard()->clear();
    viewer->setFocus();
    QTest::keyClick(viewer.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Beta Gamma "));
}

TEST_F(ViewerTest, NoSelectKeepsDragsFromSelecting)
{
    viewer->SetNoSelect(true);
    viewer->LoadLines(lines("<P>Alpha Beta Gamma Delta</P>"));
    const QPoint from = surfacePointOf(QStringLiteral("Alpha"));
    const QPoint to = surfacePointOf(QStringLiteral("Delta"));
    QTest::mousePress(surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(surface(), to);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, to);
    EXPECT_TRUE(viewer->SelectedText().isEmpty());
}

TEST_F(ViewerTest, ALinkDraggedOverIsSelectedNotFollowed)
{
    viewer->LoadLines(lines("<TITLE>Stay</TITLE><P><A HREF=\"#x\">a long link text</A></P>" + tallPage() +
                            "<A NAME=x></A><P>x</P>"));
    const QPoint from = surfacePointOf(QStringLiteral("long")) - QPoint(3, 0);
    const QPoint to = surfacePointOf(QStringLiteral("text"));
    QTest::mousePress(surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(surface(), to);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, to);
    EXPECT_FALSE(viewer->SelectedText().isEmpty());
    EXPECT_EQ(viewer->Position(), 0);
}

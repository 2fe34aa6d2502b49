#include "tviewerhistory.h"

#include <gtest/gtest.h>

TEST(ViewerHistory, KeepsNewestFirstDropsTheRoadAheadAndCutsToTheLimit)
{
    TViewerHistory history;
    EXPECT_FALSE(history.Push("a", "A", {}, "b", "B", {})) << "switched off while the limit is 0";
    history.SetLimit(3);
    EXPECT_FALSE(history.Push("", "", {}, "a", "A", {})) << "nothing was shown before the first page";
    ASSERT_TRUE(history.Push("a", "A", {7, 0}, "b", "B", {}));
    EXPECT_EQ(history.Files(), (QStringList{"b", "a"}));
    EXPECT_EQ(history.Position(1).Position, 7u);

    history.Push("b", "B", {}, "c", "C", {});
    history.Push("c", "C", {}, "d", "D", {});
    EXPECT_EQ(history.Files(), (QStringList{"d", "c", "b"})) << "cut to the limit";

    // Back two steps, then a new page: the pages ahead of the current one are dropped.
    history.SetIndex(2);
    history.Push("b", "B", {9, 0}, "e", "E", {});
    EXPECT_EQ(history.Files(), (QStringList{"e", "b"}));
    EXPECT_EQ(history.Position(1).Position, 9u) << "the page left keeps where the view stood";
    EXPECT_EQ(history.Index(), 0);
}

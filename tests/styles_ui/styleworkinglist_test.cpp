#include "styleworkinglist.h"

#include <gtest/gtest.h>

namespace {

TStyleList named(std::initializer_list<const char *> names)
{
    TStyleList list;
    for (const char *name : names) {
        TStyleChunk style;
        style.StyleName = name;
        list.push_back(style);
    }
    return list;
}

} // namespace

TEST(StyleWorkingList, TheEditedStyleFollowsItsEntryThroughMovesAndDeletes)
{
    TStyleWorkingList list(named({"a", "b", "c"}));
    EXPECT_EQ(list.currentIndex(), -1);
    ASSERT_TRUE(list.select(2));
    EXPECT_TRUE(list.moveUp(2));
    EXPECT_EQ(list.currentIndex(), 1);
    list.current().StyleName = "C";
    EXPECT_EQ(list.styles(), named({"a", "C", "b"}));
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.currentIndex(), -1) << "deleting the edited style leaves a fresh record";
    EXPECT_EQ(list.current(), TStyleChunk());
    EXPECT_EQ(list.styles(), named({"b"}));
}

TEST(StyleWorkingList, MovesAtTheEndsAndBadIndexesChangeNothing)
{
    TStyleWorkingList list(named({"a", "b"}));
    EXPECT_FALSE(list.moveUp(0));
    EXPECT_FALSE(list.moveDown(1));
    EXPECT_FALSE(list.moveUp(-1));
    EXPECT_FALSE(list.moveDown(2));
    EXPECT_FALSE(list.remove(2));
    EXPECT_FALSE(list.select(-1));
    EXPECT_FALSE(list.changed());
    EXPECT_TRUE(list.moveDown(0));
    EXPECT_TRUE(list.changed());
    EXPECT_EQ(list.styles(), named({"b", "a"}));
}

TEST(StyleWorkingList, TheNewStyleIsAppendedOnce)
{
    TStyleWorkingList list(named({"a"}));
    list.startFresh();
    list.current().StyleName = "new";
    EXPECT_FALSE(list.changed());
    EXPECT_TRUE(list.appendCurrent());
    EXPECT_TRUE(list.changed()) << "a new entry is a change to save";
    list.markSaved();
    EXPECT_FALSE(list.appendCurrent());
    EXPECT_FALSE(list.changed());
    list.current().StyleName = "renamed";
    EXPECT_EQ(list.styles(), named({"a", "renamed"}));
    list.startFresh();
    EXPECT_TRUE(list.appendCurrent()) << "a second new style is a style of its own";
    EXPECT_EQ(list.count(), 3);
}

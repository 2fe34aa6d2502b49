#include "stringtable.h"

#include <gtest/gtest.h>

TEST(StringTable, AlignmentWordsArePresent)
{
    EXPECT_EQ(LoadStr(14), QStringLiteral("Center"));
    EXPECT_TRUE(LoadStr(424242).isEmpty());
}

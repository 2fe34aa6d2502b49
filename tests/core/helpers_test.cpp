#include "helpers.h"

#include <gtest/gtest.h>

TEST(Helpers, RPosStartsOneShortOfTheEnd)
{
    EXPECT_EQ(RPos(0, QByteArray("C:\\a\\b\\"), QByteArray("\\")), 5);
    EXPECT_EQ(RPos(7, QByteArray("C:\\a\\b\\"), QByteArray("\\")), 7);
    EXPECT_EQ(RPos(0, QByteArray("abc"), QByteArray("x")), 0);
}

#include "colourtext.h"

#include <gtest/gtest.h>

TEST(ColourText, NamedColoursAndDollarHexForTheRest)
{
    EXPECT_EQ(ColourText(0x00C0C0C0), "clSilver");
    EXPECT_EQ(ColourText(0x00C0C0C1), "$00C0C0C1");
    EXPECT_EQ(ColourText(0x00FF0000), "clBlue");
    EXPECT_EQ(ColourText(0x000000FF), "clRed");
    EXPECT_EQ(ColourText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColourText(0x00563412), "$00563412");
    EXPECT_EQ(ColourText(0x80000000), "clScrollBar");
    EXPECT_EQ(ColourText(0x80000005), "clWindow");
    EXPECT_EQ(ColourText(0x80000018), "clInfoBk");
    EXPECT_EQ(ColourText(0x80000019), "$80000019");
    EXPECT_EQ(ColourText(0xFFFFFFFF), "$FFFFFFFF");
}

TEST(ColourText, ReadingIgnoresLetterCaseAndAcceptsNumbers)
{
    EXPECT_EQ(ColourFromText("clwhite"), 0x00FFFFFFu);
    EXPECT_EQ(ColourFromText("CLWHITE"), 0x00FFFFFFu);
    EXPECT_EQ(ColourFromText("16777215"), 0x00FFFFFFu);
    EXPECT_EQ(ColourFromText("$00c0c0c1"), 0x00C0C0C1u);
    EXPECT_EQ(ColourFromText("0x10"), 0x10u);
    EXPECT_EQ(ColourFromText("cl3ddkshadow"), 0x80000015u);
    EXPECT_EQ(ColourFromText("-2147483643"), 0x80000005u) << "a system colour written as a signed number";
    EXPECT_EQ(ColourFromText("$FFFFFFFF"), 0xFFFFFFFFu);
}

TEST(ColourText, TextsThatAreNoColour)
{
    for (const char *text :
         {"", "blue", "clBlu", "$", "$G0", "12a", "4294967296", "$100000000", "-", "1 2", "-2147483649"})
        EXPECT_FALSE(ColourFromText(text).has_value()) << text;
}

TEST(ColourText, EveryNameAndSampleValueReadsBackAsWritten)
{
    std::vector<TColour> colours{0x00000000, 0x00000080, 0x00008000, 0x00008080, 0x00800000,
                                 0x00800080, 0x00808000, 0x00808080, 0x00C0C0C0, 0x000000FF,
                                 0x0000FF00, 0x0000FFFF, 0x00FF0000, 0x00FF00FF, 0x00FFFF00,
                                 0x00FFFFFF, 0x1FFFFFFF, 0x00123456, 0x00ABCDEF, 0xFFFFFFFF};
    for (TColour system = 0x80000000; system <= 0x80000018; ++system)
        colours.push_back(system);
    for (TColour colour : colours) {
        const QByteArray text = ColourText(colour);
        EXPECT_EQ(ColourFromText(text), colour) << text.constData();
        EXPECT_EQ(ColourFromText(text.toLower()), colour) << text.constData();
    }
}

TEST(ColourToHTML, RedGreenBlueDigits)
{
    EXPECT_EQ(ColourToHTML(0x00563412), "123456");
    EXPECT_EQ(ColourToHTML(0x00C0C0C0), "C0C0C0");
    EXPECT_EQ(ColourToHTML(0x000000FF), "FF0000");
    EXPECT_EQ(ColourToHTML(0x1FFFFFFF), "FFFFFF");
    // System colours give the colours of the classic standard scheme.
    EXPECT_EQ(ColourToHTML(0x80000005), "FFFFFF");
    EXPECT_EQ(ColourToHTML(0x80000008), "000000");
    EXPECT_EQ(ColourToHTML(0x80000018), "FFFFE1");
}

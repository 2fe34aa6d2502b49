#include "golden.h"
#include "stylesfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TStyleList twoStyles()
{
    TStyleChunk night;
    night.StyleName = "Starry Night";
    night.BackImage = "backgrnd\\stars.gif";
    night.BackColour = 0x00400000;
    night.DocColour = 0x00FFFFFF;
    night.StandardColour = 0x0000FFFF;
    night.ActiveColour = 0x80000005;
    night.VisitedColour = 0x00C0C0C1;
    TStyleChunk plain;
    plain.StyleName = "A";
    return {night, plain};
}

} // namespace

TEST(StylesFile, GoldenBytes)
{
    EXPECT_EQ(StylesBytes({}), QByteArray(4, '\0'));
    const QByteArray bytes = StylesBytes(twoStyles());
    ExpectGolden("two_styles.data", bytes);
    // A one-character name is stored with the length 0; a missing picture as -1.
    EXPECT_TRUE(bytes.contains(QByteArray("\0\0\0\0A\xff\xff\xff\xff", 9)));
}

TEST(StylesFile, RoundTripKeepsOrderNamesPicturesAndColours)
{
    const TStylesRead read = ReadStyles(StylesBytes(twoStyles()));
    EXPECT_EQ(read.Status, TStylesReadStatus::Complete);
    EXPECT_EQ(read.Styles, twoStyles());
    EXPECT_TRUE(ReadStyles(StylesBytes({})).Styles.empty());
}

TEST(StylesFile, ReadsTheFileItWrites)
{
    QTemporaryDir folder;
    const QString path = StylesFilePath(folder.path());
    EXPECT_TRUE(path.endsWith("/Styles.data"));
    EXPECT_EQ(LoadStyles(path).Status, TStylesReadStatus::Missing);
    EXPECT_TRUE(LoadStyles(path).Styles.empty());
    ASSERT_TRUE(WriteStylesToFile(path, twoStyles()));
    EXPECT_EQ(LoadStyles(path).Styles, twoStyles());
    // Writing a shorter list replaces the whole file.
    ASSERT_TRUE(WriteStylesToFile(path, {}));
    EXPECT_EQ(ReadSourceFile(path), QByteArray(4, '\0'));

    QString error;
    EXPECT_FALSE(WriteStylesToFile(folder.filePath("no/such/folder/Styles.data"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(StylesFile, DamageKeepsTheStylesBeforeIt)
{
    const QByteArray whole = StylesBytes(twoStyles());
    const qsizetype firstEnd = StylesBytes({twoStyles()[0]}).size();
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const TStylesRead read = ReadStyles(whole.left(size));
        EXPECT_EQ(read.Status, TStylesReadStatus::Truncated) << size;
        EXPECT_EQ(read.Styles.size(), size >= firstEnd ? 1u : 0u) << size;
        EXPECT_FALSE(read.Error.isEmpty());
    }

    QByteArray badColour = whole;
    // The link colour of the second style, replaced by a text of the same length.
    badColour.replace("clBlue", "bluish");
    const TStylesRead read = ReadStyles(badColour);
    EXPECT_EQ(read.Status, TStylesReadStatus::BadColour);
    ASSERT_EQ(read.Styles.size(), 1u);
    EXPECT_EQ(read.Styles[0], twoStyles()[0]);
}

TEST(StylesFile, HostileCountsAndLengthsAreNotTrusted)
{
    // Two billion styles announced, none there.
    EXPECT_EQ(ReadStyles(QByteArray("\xff\xff\xff\x7f", 4)).Status, TStylesReadStatus::Truncated);
    // A negative count reads nothing and is no damage.
    const TStylesRead negative = ReadStyles(QByteArray("\xfe\xff\xff\xff", 4));
    EXPECT_EQ(negative.Status, TStylesReadStatus::Complete);
    EXPECT_TRUE(negative.Styles.empty());
    // A name claiming two gigabytes in a file of a few bytes.
    const TStylesRead huge = ReadStyles(QByteArray("\x01\0\0\0\xff\xff\xff\x7f"
                                                   "abc",
                                                   11));
    EXPECT_EQ(huge.Status, TStylesReadStatus::Truncated);
    EXPECT_TRUE(huge.Styles.empty());
}

TEST(StylesFile, ListBoxItemOfAStyleName)
{
    const TStyleList styles = twoStyles();
    EXPECT_EQ(StyleItemIndex(styles, "[None]"), 0);
    EXPECT_EQ(StyleItemIndex(styles, "[none]"), 0);
    EXPECT_EQ(StyleItemIndex(styles, "starry NIGHT"), 1);
    EXPECT_EQ(StyleItemIndex(styles, "a"), 2);
    EXPECT_EQ(StyleItemIndex(styles, "Starry"), -1);
    EXPECT_EQ(StyleItemIndex(styles, ""), -1);
}

#include "pagetextmap.h"
#include "textcodec.h"

#include <gtest/gtest.h>

namespace {

// Every byte value, line ends of all three kinds, a non-breaking space, bytes without a
// character of their own and references the decoder turns into characters.
QByteArray awkwardBytes()
{
    QByteArray bytes = "<HTML>\r\n<BODY>\nlone LF\rlone CR\r\n\xA0nbsp \x81\x8D\x8F\x90\x9D"
                       " &#x4E2D; &#020013; &#20013; &#128512; &#65; &#\r\n";
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    bytes.append("</BODY>\r\n</HTML>\r\n");
    return bytes;
}

TEST(PageTextMap, UntouchedTextKeepsEveryByte)
{
    TPageTextMap map;
    map.setBytes(awkwardBytes());
    EXPECT_EQ(map.bytes(), awkwardBytes());
    // The box shows each line end as one break, and references above 255 as their characters.
    EXPECT_TRUE(map.text().startsWith(QStringLiteral("<HTML>\n<BODY>\nlone LF\nlone CR\n")));
    EXPECT_TRUE(map.text().contains(QString::fromUtf8("\xE4\xB8\xAD \xE4\xB8\xAD \xE4\xB8\xAD")));
    // Giving the same text back changes nothing.
    map.setText(map.text());
    EXPECT_EQ(map.bytes(), awkwardBytes());
}

TEST(PageTextMap, AnEditChangesOnlyTheBytesOfTheCharactersItTouched)
{
    TPageTextMap map;
    map.setBytes(awkwardBytes());
    QString text = map.text();

    // Typing after "<BODY>": the rest, hex reference and lone line ends included, stays.
    const qsizetype at = text.indexOf(QStringLiteral("<BODY>")) + 6;
    text.insert(at, QStringLiteral("x\xE9"));
    map.setText(text);
    QByteArray expected = awkwardBytes();
    expected.insert(expected.indexOf("<BODY>") + 6, "x\xE9");
    EXPECT_EQ(map.bytes(), expected);

    // A new line typed by the user is written as CR LF; a character outside the code page
    // as a reference.
    text.insert(at, QString::fromUtf8("\n\xE4\xB8\xAD"));
    map.setText(text);
    expected.insert(expected.indexOf("<BODY>") + 6, "\r\n&#20013;");
    EXPECT_EQ(map.bytes(), expected);

    // Deleting the hexadecimal reference removes exactly its eight bytes.
    const qsizetype hex = text.indexOf(QString::fromUtf8(" \xE4\xB8\xAD ")) + 1;
    text.remove(hex, 1);
    map.setText(text);
    expected.remove(expected.indexOf("&#x4E2D;"), 8);
    EXPECT_EQ(map.bytes(), expected);
    EXPECT_EQ(map.text(), text);
}

TEST(PageTextMap, CharactersOutsideTheBasicPlaneStayWhole)
{
    TPageTextMap map;
    map.setBytes("a&#128512;b");
    ASSERT_EQ(map.text().size(), 4); // a, the two halves, b
    QString text = map.text();
    text.remove(1, 2);
    map.setText(text);
    EXPECT_EQ(map.bytes(), QByteArray("ab"));
    map.setText(QString::fromUtf8("a\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
                                  "b"));
    EXPECT_EQ(map.bytes(), QByteArray("a&#128512;&#128512;b"));
}

TEST(PageTextMap, JoiningALoneCRToALoneLFKeepsTwoLineEnds)
{
    // Removing the x leaves CR and LF side by side, which a reader would take as one line end.
    TPageTextMap map;
    map.setBytes("a\rx\nb");
    QString text = map.text();
    ASSERT_EQ(text, QStringLiteral("a\nx\nb"));
    text.remove(2, 1);
    map.setText(text);
    TPageTextMap reread;
    reread.setBytes(map.bytes());
    EXPECT_EQ(reread.text(), QStringLiteral("a\n\nb"));
    EXPECT_EQ(map.text(), reread.text());
}

TEST(PageTextMap, ReplacingEverythingEncodesTheNewText)
{
    TPageTextMap map;
    map.setBytes("old\r\ntext");
    map.setText(QStringLiteral("new\ntext \u20AC"));
    // The euro sign is a Windows-1252 byte of its own.
    EXPECT_EQ(map.bytes(), QByteArray("new\r\ntext \x80"));
    map.setText(QString());
    EXPECT_TRUE(map.bytes().isEmpty());
}

} // namespace

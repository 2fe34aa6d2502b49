#include "viewfixture.h"

// Pages written by hand rather than by the builder: what they hold that generated pages do not.

TEST_F(ViewFixture, StyleAndScriptContentsAreNotPageTextAndTheBodyKeepsItsColours)
{
    read("<HTML><HEAD><TITLE>t</TITLE><STYLE>p < b { color: red } <!-- </STYLE>"
         "<SCRIPT>if (a < b) document.write(\"<P>x &amp; y</P>\"); var s = '</scripts>';</script >"
         "</HEAD><BODY BGCOLOR=#102030 TEXT=#405060>shown<SCRIPT>hidden</SCRIPT> too</BODY>");
    ASSERT_TRUE(error.ok()) << error.Message.toStdString(); // the "<!--" inside is no open comment
    ASSERT_EQ(textSections().size(), 1u);
    EXPECT_EQ(textSections()[0]->Text(), QStringLiteral("shown too"));
    EXPECT_EQ(doc->Title, QStringLiteral("t"));
    EXPECT_EQ(ColorValue(doc->Background()), 0x302010u);
    EXPECT_EQ(ColorValue(doc->DefaultFontColor), 0x605040u);
    // A script that never ends hides the rest of the page, as in a browser.
    read("a<SCRIPT>b<P>c");
    EXPECT_EQ(textSections().back()->Text(), QStringLiteral("a"));
}

TEST_F(ViewFixture, EveryNamedReferenceOfHtml4)
{
    read("&bull; &mdash;&hellip;&trade;&euro;&times;&divide;&larr;&thetasym;&OElig;&apos;&nbsp;|"
         "&Bull;|&thetasyms;|&mdash|&hellip x");
    ASSERT_EQ(textSections().size(), 1u);
    // Names keep their case; a ninth character makes the whole thing literal text; a missing
    // semicolon is forgiven.
    EXPECT_EQ(textSections()[0]->Text(), QString::fromUtf8("• —…™€×÷←ϑŒ'\u00A0|&Bull;|&thetasyms;|—|… x"));
}

TEST_F(ViewFixture, TabsInPreformattedTextAdvanceToTheNextMultipleOfEight)
{
    read("<PRE>a\tb\n\tc\tdd\n12345678\tx\n<B>bold</B>\tafter a tag\n</PRE><P>out\tside");
    QStringList lines;
    for (const TSection *s : textSections())
        lines << s->Text();
    EXPECT_EQ(lines, (QStringList{"a       b", "        c       dd", "12345678        x",
                                  "bold    after a tag", "out side"}));
}

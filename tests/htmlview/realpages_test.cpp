#include "rulesection.h"
#include "tablesection.h"
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

TEST_F(ViewFixture, PagesDeclaringUtf8AreReadAsUtf8)
{
    const QString expected = QString::fromUtf8("Café – 中文 😀");
    const QByteArray text = expected.toUtf8();
    const QList<QByteArray> declared{
        "<META charset=\"UTF-8\"><P>" + text,
        "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\"></HEAD>" + text,
        "\xEF\xBB\xBF" + text,
    };
    for (const QByteArray &page : declared) {
        doc->Clear();
        read(page);
        ASSERT_EQ(textSections().size(), 1u) << page.constData();
        EXPECT_EQ(textSections()[0]->Text(), expected) << page.constData();
    }
    // Undeclared and Latin-1 pages stay Windows-1252; a stray byte in a UTF-8 page is read so too.
    doc->Clear();
    read("<META charset=iso-8859-1>caf\xE9 \x80");
    EXPECT_EQ(textSections()[0]->Text(), QString::fromUtf8("café €"));
    doc->Clear();
    read("<META charset=utf-8>caf\xE9 " + text);
    EXPECT_EQ(textSections()[0]->Text(), QString::fromUtf8("café ") + expected);
    doc->Clear();
    read("caf\xC3\xA9");
    EXPECT_EQ(textSections()[0]->Text(), QString::fromUtf8("cafÃ©"));
}

TEST_F(ViewFixture, TextFilesWithAByteOrderMarkAreUtf8)
{
    ParseTextLines(*doc, anchors,
                   {"\xEF\xBB\xBF"
                    "caf\xC3\xA9\t!"});
    EXPECT_EQ(textSections()[0]->Text(), QString::fromUtf8("café    !"));
}

TEST_F(ViewFixture, ARuleOrTableAfterAListIsNotIndentedLikeTheList)
{
    readAndLayout("<UL><LI>item<LI>last</UL><HR><TABLE><TR><TD>t</TABLE><UL><LI>x<HR></UL>", 400);
    std::vector<const TSectionBase *> kept;
    for (const auto &s : doc->Sections())
        kept.push_back(s.get());
    const auto *after = dynamic_cast<const TRuleSection *>(kept[2]);
    ASSERT_NE(after, nullptr) << kinds().constData();
    EXPECT_EQ(after->RuleX(), 10);
    EXPECT_EQ(after->RuleWidth(), 380);
    const auto *inList = dynamic_cast<const TRuleSection *>(kept.back());
    ASSERT_NE(inList, nullptr) << kinds().constData();
    EXPECT_EQ(inList->RuleX(), 35 + 10); // a rule inside a list keeps the list's indent
    EXPECT_EQ(static_cast<const TTableSection *>(kept[3])->TableX(), 0);
}

TEST_F(ViewFixture, RowColoursNumbersUnderLinksAndBulletsBesideFloats)
{
    readAndLayout("<TABLE BGCOLOR=#000001><TR BGCOLOR=#0000FF><TD>a<TD BGCOLOR=#00FF00>b<TR><TD>c</TABLE>"
                  "<OL><LI><A HREF=x.htm>link</A> first</OL>",
                  400);
    const auto &table = static_cast<const TTableSection &>(*doc->Sections()[0]);
    EXPECT_EQ(ColorValue(table.Rows[0][0]->Background), 0xFF0000u); // the row's blue
    EXPECT_EQ(ColorValue(table.Rows[0][1]->Background), 0x00FF00u); // the cell's own
    EXPECT_EQ(ColorValue(table.Rows[1][0]->Background), 0x010000u); // the table's
    host.drawLog.clear();
    doc->Draw(QRect(0, 0, 400, 400), 0, 0);
    const QStringList numbers = host.drawLog.filter(QStringLiteral("\"1.\""));
    ASSERT_EQ(numbers.size(), 1);
    EXPECT_TRUE(numbers[0].contains(QStringLiteral("/12/0 "))) << numbers[0].toStdString(); // no underline

    // A list beside a left picture indents from the picture, so the bullet is beside it.
    doc->Clear();
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT>text<UL><LI>item</UL>", 400);
    const TSection &item = *textSections().back();
    EXPECT_EQ(item.Lines()[0].X, 45 + 35);
}

TEST_F(ViewFixture, ALineHoldingOnlyAFloatingPictureIsOneLineOfItsFontHigh)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    // A picture block with a new line, as the builder writes it: the text after it starts a
    // line below the picture's top and still runs beside the picture.
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT>\n<BR>\nafter", 400);
    auto s = textSections();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0]->SectionHeight(), 15);
    EXPECT_EQ(s[0]->DrawHeight(), 30);
    EXPECT_EQ(s[1]->Lines()[0].Y, 15);
    EXPECT_EQ(s[1]->Lines()[0].X, 45);
    // The line takes the height of the font its picture was written in.
    doc->Clear();
    readAndLayout("<FONT SIZE=7><IMG SRC=dog.gif ALIGN=RIGHT></FONT><BR>after", 400);
    s = textSections();
    EXPECT_EQ(s[0]->SectionHeight(), 36 + 9);
    EXPECT_EQ(s[1]->Lines()[0].Y, 45);
}

TEST_F(ViewFixture, LinesTablesClearingAndPicturesMeasureAsTheLayoutRulesSay)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    host.setFaceMetrics(QStringLiteral("Deep"), 50, 50); // 12 points: ascent 6, descent 6
    readAndLayout("a <FONT FACE=Deep>b</FONT><P>x<IMG SRC=dog.gif>y<TABLE><TR><TD>t</TABLE>"
                  "<IMG SRC=dog.gif ALIGN=LEFT>z<BR CLEAR=LEFT>below",
                  400);
    const auto s = textSections();
    // A line mixing fonts is as high as its tallest font (15), not 12 + 6.
    EXPECT_EQ(s[0]->Lines()[0].LineHeight, 15);
    EXPECT_EQ(s[0]->Lines()[0].Ascent, 12);
    // A picture's horizontal space counts once, half of it on each side.
    const TInlineImage &dog = *s[1]->Images()[0];
    EXPECT_EQ(dog.X, 6 + 3);
    EXPECT_EQ(s[1]->Lines()[0].Width, 6 + 45 + 6);
    const auto firstTable = [this]() -> const TTableSection & {
        for (const auto &section : doc->Sections()) {
            if (auto *t = dynamic_cast<const TTableSection *>(section.get()))
                return *t;
        }
        throw std::logic_error("no table");
    };
    // A row: 15 of text, padding 1 above and below, spacing 3, less one; then the spacing.
    EXPECT_EQ(firstTable().SectionHeight(), 15 + 2 + 3 - 1 + 3);
    // After BR CLEAR the text starts one pixel above the picture's bottom, at the left edge.
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[3]->Lines()[0].Y, s[2]->YValue() + 30 - 1);
    EXPECT_EQ(s[3]->Lines()[0].X, 0);
    // So does a table right after the break, with the whole width.
    doc->Clear();
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT>z<BR CLEAR=LEFT><TABLE WIDTH=100%><TR><TD>t</TABLE>", 400);
    EXPECT_EQ(firstTable().YValue(), 30 - 1);
    EXPECT_EQ(firstTable().TableX(), 0);
    EXPECT_EQ(firstTable().TableWidth(), 400);
}

TEST_F(ViewFixture, TextThatDoesNotFitBesideAFloatingPictureGoesBelowIt)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    // 200 pixels, and a picture 185 wide with its space: no word fits beside it.
    readAndLayout("<IMG SRC=dog.gif WIDTH=180 HEIGHT=40 ALIGN=LEFT>one two three four", 200);
    auto s = textSections();
    ASSERT_EQ(s[0]->Lines().size(), 1u);
    const TLineBox &line = s[0]->Lines()[0];
    EXPECT_EQ(line.X, 0);
    EXPECT_EQ(line.Y + line.SpaceBefore, 40);
    EXPECT_EQ(s[0]->SectionHeight(), 40 + 15);
    // A picture wider than what the pictures before it leave goes below them; the text stays
    // beside the first one.
    doc->Clear();
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT><IMG SRC=dog.gif WIDTH=170 HEIGHT=20 ALIGN=LEFT>ab", 200);
    s = textSections();
    EXPECT_EQ(s[0]->Images()[1]->Y, 30);
    EXPECT_EQ(s[0]->Images()[1]->X, 0);
    EXPECT_EQ(s[0]->Lines()[0].Y, 0);
    EXPECT_EQ(s[0]->Lines()[0].X, 45);
    // A word wider than the page goes below the picture too, where it has the most room.
    doc->Clear();
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT>abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", 200);
    EXPECT_EQ(textSections()[0]->Lines()[0].Y + textSections()[0]->Lines()[0].SpaceBefore, 30);
}

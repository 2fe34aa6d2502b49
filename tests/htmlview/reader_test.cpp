#include "headinggap.h"
#include "rulesection.h"
#include "tablesection.h"
#include "viewfixture.h"

// ---- characters, entities, white space ----

TEST_F(ViewFixture, WhiteSpaceCollapsesOutsidePreAndStaysInside)
{
    read("a  \r\n  b<PRE>a  \r\n  b</PRE>");
    const auto s = textSections();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0]->Text(), QStringLiteral("a b"));
    EXPECT_EQ(s[1]->Text(), QStringLiteral("a  "));
    EXPECT_EQ(s[2]->Text(), QStringLiteral("  b"));
    EXPECT_STREQ(s[1]->KindName(), "Pre");
}

TEST_F(ViewFixture, EntitiesNamedNumericAndUnknown)
{
    read("&copy;|&COPY;|&#65;|&amp;|&nosuch;|&#8364;|&#20013;|&#x4E2D;|&#128;|&#99999999;|&lt&gt|&");
    const auto s = textSections();
    ASSERT_EQ(s.size(), 1u);
    // Numbers above 255 name their character; 128..159 are the Windows-1252 characters.
    EXPECT_EQ(s[0]->Text(), QString::fromUtf8("©|&COPY;|A|&|&nosuch;|€|中|中|€|&#99999999;|<>|&"));
}

TEST_F(ViewFixture, StrayGreaterThanDisappearsAndCommentsAreSkipped)
{
    read("<!DOCTYPE html>a > b<!-- x -- y --  >c<!---->d");
    EXPECT_EQ(textSections().at(0)->Text(), QStringLiteral("a bcd"));
    EXPECT_TRUE(error.ok());
}

TEST_F(ViewFixture, OpenCommentAtEndIsTheOneSyntaxErrorAndKeepsWhatWasRead)
{
    read("<P>before<!-- never closed");
    EXPECT_EQ(error.Kind, TViewErrorKind::ParseError);
    EXPECT_EQ(error.Message, QStringLiteral("Open Comment at End of HTML File"));
    ASSERT_EQ(textSections().size(), 1u);
    EXPECT_EQ(textSections()[0]->Text(), QStringLiteral("before"));
}

// ---- document settings ----

TEST_F(ViewFixture, BodyColoursAtTheStartOnly)
{
    read("<TITLE>My  page</TITLE><BODY BGCOLOR=#FFFFFF TEXT=\"#000000\" LINK=#0000FF VLINK=red ALINK=red "
         "BACKGROUND=\"backgrnd\\stars.gif\">x<BODY BGCOLOR=red>");
    EXPECT_EQ(doc->Title, QStringLiteral("My page"));
    EXPECT_EQ(ColorValue(doc->Background()), 0xFFFFFFu);
    EXPECT_TRUE(doc->Background() & kPaletteRelative);
    EXPECT_EQ(ColorValue(doc->DefaultFontColor), 0u);
    EXPECT_EQ(ColorValue(doc->LinkColor), 0xFF0000u); // blue, red in the low byte
    EXPECT_EQ(doc->BackgroundImageName, QStringLiteral("backgrnd\\stars.gif"));
}

TEST_F(ViewFixture, BaseAndAnchorsAndTextAfterBodyEnd)
{
    read("<BASE HREF=\"http://x/\" TARGET=main><A NAME=top>T</A><A HREF=\"a.htm\">link</A></BODY>after");
    EXPECT_EQ(doc->Base, QStringLiteral("http://x/"));
    EXPECT_EQ(doc->BaseTarget, QStringLiteral("main"));
    ASSERT_NE(anchors.Find(QStringLiteral("Top")), nullptr);
    const auto s = textSections();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(anchors.Find(QStringLiteral("TOP")), s[0]);
    EXPECT_EQ(s[0]->Text(), QStringLiteral("Tlink")); // nothing after </BODY>
    // The link run keeps the base target and is underlined in the link colour.
    const TFontRun &run = runAt(*s[0], 1);
    EXPECT_TRUE(runAt(*s[0], 0).Link.isEmpty());
    EXPECT_EQ(run.Link.URL, QStringLiteral("a.htm"));
    EXPECT_EQ(run.Link.Target, QStringLiteral("main"));
    EXPECT_TRUE(run.Font.Style & fsUnderline);
    EXPECT_EQ(run.Font.Color, doc->LinkColor);
}

// ---- justification and breaks ----

TEST_F(ViewFixture, ParagraphAlignHoldsAcrossBreaksOnly)
{
    read("<P ALIGN=CENTER>a<BR>b<P>c<CENTER>d</CENTER>e");
    const auto s = textSections();
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[0]->Justify, jCenter);
    EXPECT_EQ(s[1]->Justify, jCenter);
    EXPECT_EQ(s[2]->Justify, jLeft);
    EXPECT_EQ(s[3]->Justify, jCenter);
    EXPECT_EQ(s[4]->Justify, jLeft);
}

TEST_F(ViewFixture, ParagraphTagsInARowMakeOneGapLastAlignWins)
{
    read("a<P>\r\n</P> <P ALIGN=right>b<DIV ALIGN=CENTER>c</DIV>");
    EXPECT_EQ(kinds(), "Section ParagraphGap Section");
    EXPECT_EQ(textSections()[1]->Justify, jRight);
    EXPECT_EQ(textSections()[1]->Text(), QStringLiteral("bc")); // DIV is no tag of ours
}

TEST_F(ViewFixture, EmptyBreakLineGetsASpaceAndClearMode)
{
    read("a<BR><BR CLEAR=left>b<BR CLEAR=all>c");
    const auto s = textSections();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[1]->Text(), QStringLiteral(" "));
    EXPECT_EQ(s[2]->Clear, cmLeft);
    EXPECT_EQ(s[3]->Clear, cmBoth);
}

// ---- fonts ----

TEST_F(ViewFixture, HeadingFontGapsAndAlign)
{
    read("<H1 ALIGN=CENTER>T</H1>x");
    EXPECT_EQ(kinds(), "HeadingGap Section HeadingGap Section");
    EXPECT_EQ(static_cast<const THeadingGap &>(*doc->Sections()[0]).Level(), 1);
    const auto s = textSections();
    EXPECT_EQ(s[0]->Justify, jCenter);
    EXPECT_EQ(s[0]->Runs().back().Font.NominalSize, 24);
    EXPECT_TRUE(s[0]->Runs().back().Font.Style & fsBold);
    EXPECT_EQ(s[1]->Runs().back().Font.NominalSize, 12);
    EXPECT_FALSE(s[1]->Runs().back().Font.Style & fsBold);
}

TEST_F(ViewFixture, FontSizeColourAndFace)
{
    read("<FONT SIZE=+1>a</FONT><FONT SIZE=9>b</FONT><FONT COLOR=red>c</FONT><FONT COLOR=#ff0000>d</FONT>"
         "<FONT COLOR=xyz FACE=\"Arial, Helvetica\">e</FONT><BASEFONT SIZE=5><FONT SIZE=-1>f");
    const TSection &s = *textSections().at(0);
    const auto fontAt = [&](int pos) {
        const TFontRun *found = nullptr;
        for (const TFontRun &r : s.Runs())
            if (r.Start <= pos)
                found = &r;
        return found->Font;
    };
    EXPECT_EQ(fontAt(0).NominalSize, 14);
    EXPECT_EQ(fontAt(1).NominalSize, 36);
    EXPECT_EQ(fontAt(2).Color, fontAt(3).Color);
    EXPECT_EQ(ColorValue(fontAt(2).Color), 0x0000FFu);
    EXPECT_EQ(fontAt(4).Color, clBlack);
    EXPECT_EQ(fontAt(4).Face, QStringLiteral("Arial"));
    EXPECT_EQ(fontAt(5).NominalSize, 14); // base 5, -1 = step 4
}

TEST_F(ViewFixture, BigOnLargestSizeChangesNothingAndItsEndPopsTheEnclosingFont)
{
    read("<FONT SIZE=7>a<BIG>b</BIG>c</FONT>d");
    const TSection &s = *textSections().at(0);
    EXPECT_EQ(runAt(s, 1).Font.NominalSize, 36); // b
    EXPECT_EQ(runAt(s, 2).Font.NominalSize, 12); // c: /BIG popped the FONT
    EXPECT_EQ(runAt(s, 3).Font.NominalSize, 12);
}

TEST_F(ViewFixture, FontStackHoldsAtMost25Levels)
{
    QByteArray html;
    for (int i = 0; i < 40; ++i)
        html += "<FONT SIZE=" + QByteArray::number(i % 6 + 2) + ">x";
    read(html);
    // Level 1 is the default font, so 24 pushes fit; the 24th (i = 23) is SIZE=7 and later FONT
    // tags push nothing.
    EXPECT_EQ(textSections().at(0)->Runs().back().Font.NominalSize, 36);
}

TEST_F(ViewFixture, StyleTagsAndScript)
{
    read("<B>b<I>bi</B>i</I><U>u</U>x<SUB>s</SUB><TT>t</TT>");
    const TSection &s = *textSections().at(0);
    ASSERT_EQ(s.Text(), QStringLiteral("bbiiuxst"));
    EXPECT_EQ(runAt(s, 0).Font.Style, fsBold);
    EXPECT_EQ(runAt(s, 1).Font.Style, fsBold | fsItalic);
    EXPECT_EQ(runAt(s, 3).Font.Style, fsItalic);
    EXPECT_EQ(runAt(s, 4).Font.Style, fsUnderline);
    EXPECT_EQ(runAt(s, 5).Font.Style, fsNone);
    EXPECT_EQ(runAt(s, 6).Script, ssSubscript);
    EXPECT_EQ(runAt(s, 6).Font.NominalSize, 9);
    EXPECT_EQ(runAt(s, 7).Script, ssNormal);
    EXPECT_TRUE(runAt(s, 7).Font.FixedPitch);
    EXPECT_EQ(runAt(s, 7).Font.NominalSize, 10);
}

// ---- lists, rules, tables, forms, maps ----

TEST_F(ViewFixture, ListsNumberNestAndEndAtAnyListEnd)
{
    read("<OL START=3><LI><P>a<LI>b<UL PLAIN><LI>c</OL>d</UL>e");
    EXPECT_EQ(kinds(), "Numbered Numbered Bullet Section Section");
    const auto s = textSections();
    EXPECT_EQ(s[0]->ListNumber, 3);
    EXPECT_EQ(s[1]->ListNumber, 4);
    EXPECT_EQ(s[0]->Text(), QStringLiteral("a")); // the P after LI adds nothing
    EXPECT_EQ(s[2]->ListLevel, 2);
    EXPECT_TRUE(s[2]->Plain);
    EXPECT_EQ(s[3]->ListLevel, 1); // </OL> closed the inner list
    EXPECT_EQ(s[4]->ListLevel, 0);
}

TEST_F(ViewFixture, RuleAttributes)
{
    read("<HR SIZE=30 WIDTH=50%><HR SIZE=5 WIDTH=120>");
    ASSERT_EQ(kinds(), "Rule Rule");
    EXPECT_EQ(static_cast<const TRuleSection &>(*doc->Sections()[0]).Thickness(), 2);
    EXPECT_EQ(static_cast<const TRuleSection &>(*doc->Sections()[1]).Thickness(), 5);
}

TEST_F(ViewFixture, TableCellsSpansCaptionAndTextBeforeCells)
{
    read("<TABLE BORDER CELLPADDING=4 WIDTH=80% BGCOLOR=silver>above<CAPTION ALIGN=bottom>cap</CAPTION>"
         "<TR ALIGN=right><TD COLSPAN=2>a<TD ROWSPAN=3 WIDTH=20%>b<TR><TH>h<TD BGCOLOR=red>x</TABLE>after");
    EXPECT_EQ(kinds(), "Section Table Section");
    EXPECT_EQ(textSections()[0]->Text(), QStringLiteral("above"));
    const auto &t = static_cast<const TTableSection &>(*doc->Sections()[1]);
    EXPECT_EQ(t.Border, 1);
    EXPECT_EQ(t.CellPadding, 5);
    EXPECT_EQ(t.CellSpacing, 3);
    EXPECT_TRUE(t.WidthPercent);
    EXPECT_EQ(t.Width, 80);
    EXPECT_FALSE(t.CaptionOnTop);
    ASSERT_EQ(t.Rows.size(), 2u);
    EXPECT_EQ(t.ColumnCount(), 3);
    EXPECT_TRUE(t.Rows[0][1]->Placeholder);
    EXPECT_TRUE(t.Rows[1][2]->Placeholder); // under the row span, cut to the rows that exist
    EXPECT_EQ(t.Rows[0][2]->RowSpan, 2);
    // Cell text: right-aligned by its row; a TH in a row without ALIGN centred and bold.
    const auto *a = dynamic_cast<const TSection *>(t.Rows[0][0]->Cell.Sections()[0].get());
    const auto *h = dynamic_cast<const TSection *>(t.Rows[1][0]->Cell.Sections()[0].get());
    EXPECT_EQ(a->Justify, jRight);
    EXPECT_EQ(h->Justify, jCenter); // the second row has no ALIGN
    EXPECT_TRUE(h->Runs().back().Font.Style & fsBold);
    EXPECT_EQ(ColorValue(t.Rows[1][1]->Background), 0x0000FFu);
    EXPECT_EQ(ColorValue(t.Rows[0][0]->Background), 0xC0C0C0u); // the table's colour
    EXPECT_FALSE(textSections()[1]->Runs().back().Font.Style & fsBold);
}

TEST_F(ViewFixture, TableOfThirtyOneColumnsStopsTheParse)
{
    QByteArray html = "<TABLE><TR>";
    for (int i = 0; i < 31; ++i)
        html += "<TD>c";
    html += "</TABLE>after";
    read(html);
    EXPECT_EQ(error.Kind, TViewErrorKind::ProcessError);
    EXPECT_EQ(error.Message, QStringLiteral("Table has too many Columns"));
    EXPECT_EQ(kinds(), "Table");
    EXPECT_EQ(static_cast<const TTableSection &>(*doc->Sections()[0]).ColumnCount(), 30);
}

TEST_F(ViewFixture, FormControlsSelectAndTextArea)
{
    read("<FORM METHOD=post ACTION=\"/cgi\"><INPUT NAME=n VALUE=v><INPUT TYPE=checkbox NAME=c CHECKED>"
         "<INPUT TYPE=submit><SELECT NAME=s><OPTION VALUE=1>  one <OPTION SELECTED>two</SELECT>"
         "<TEXTAREA NAME=t>line 1\r\n<b>&amp;</TEXTAREA >after</FORM>");
    ASSERT_EQ(doc->Forms.size(), 1u);
    const TPageForm &form = *doc->Forms[0];
    EXPECT_EQ(form.Method, QStringLiteral("post"));
    EXPECT_EQ(form.Action, QStringLiteral("/cgi"));
    ASSERT_EQ(form.Controls.size(), 5u);
    EXPECT_EQ(form.Controls[2]->Value, QStringLiteral("Submit"));
    EXPECT_EQ(form.Controls[3]->Options, (QStringList{"one", "two"}));
    EXPECT_EQ(form.Controls[4]->Lines, (QStringList{"line 1", "<b>&"}));
    EXPECT_EQ(form.Results(), (QStringList{"n=v", "c=On", "s=two", "t=line 1\r\n<b>&"}));
    EXPECT_EQ(textSections()[0]->Text(), QString(5, QChar(kControlChar)) + QStringLiteral("after"));
}

TEST_F(ViewFixture, ImageAttributesAndMaps)
{
    read("<A HREF=x><IMG SRC=a.gif ALT=Dog ALIGN=left HEIGHT=10 HSPACE=-30 BORDER=0 USEMAP=\"#M\" ISMAP></A>"
         "<IMG SRC=b.gif WIDTH=5><MAP NAME=m><AREA SHAPE=circle COORDS=\"10,10,5\" HREF=c>"
         "<AREA COORDS=\"1,2\" HREF=d><AREA SHAPE=poly COORDS=\"0,0 20,0 20,20\" NOHREF></MAP>");
    const auto &images = textSections().at(0)->Images();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0]->Align, iaLeft);
    EXPECT_EQ(images[0]->RequestedHeight, 0); // HEIGHT alone means natural size
    EXPECT_EQ(images[0]->HSpace, 20);
    EXPECT_TRUE(images[0]->NoBorder);
    EXPECT_TRUE(images[0]->InLink);
    EXPECT_EQ(images[0]->MapName, QStringLiteral("M"));
    EXPECT_FALSE(images[1]->InLink);
    ASSERT_EQ(doc->Maps.size(), 1u);
    const TImageMap &map = *doc->Maps[0];
    ASSERT_EQ(map.Areas.size(), 2u); // the two-number rectangle is dropped
    EXPECT_EQ(map.Find(10, 15)->Link.URL, QStringLiteral("c"));
    EXPECT_EQ(map.Find(18, 3)->Link.URL, QString()); // NOHREF
    EXPECT_EQ(map.Find(1, 19), nullptr);
}

TEST_F(ViewFixture, PlainTextModeKeepsEverything)
{
    const QList<QByteArray> lines{"<B>not bold</B>", "\tx  &amp;", ""};
    ParseTextLines(*doc, anchors, lines);
    EXPECT_EQ(kinds(), "Pre Pre Pre");
    const auto *first = static_cast<const TSection *>(doc->Sections()[0].get());
    const auto *second = static_cast<const TSection *>(doc->Sections()[1].get());
    EXPECT_EQ(first->Text(), QStringLiteral("<B>not bold</B>"));
    EXPECT_EQ(second->Text(), QStringLiteral("        x  &amp;")); // a tab goes to the next tab stop
    EXPECT_TRUE(first->Runs().front().Font.FixedPitch);
}

#include "imagemap.h"
#include "tablesection.h"
#include "viewfixture.h"

#include <QRandomGenerator>

#include <functional>

// Whatever bytes arrive, the reader and the layout finish with a bounded model.

namespace {

// The number of sections at every depth of nested tables, and the deepest table nesting.
void CountSections(const TCell &cell, int depth, int &sections, int &deepest)
{
    deepest = std::max(deepest, depth);
    for (const auto &s : cell.Sections()) {
        ++sections;
        if (auto *t = dynamic_cast<const TTableSection *>(s.get())) {
            for (const auto &row : t->Rows)
                for (const auto &c : row)
                    CountSections(c->Cell, depth + 1, sections, deepest);
        }
    }
}

} // namespace

TEST_F(ViewFixture, RandomBytesOfEveryValue)
{
    QRandomGenerator rng(1234);
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(rng.bounded(256));
    readAndLayout(bytes, 300);
    int x = 0, y = 0;
    doc->Draw(QRect(0, 0, 300, 100000), 10, 0, 0, 500);
    doc->CursorToXY(100, x, y);
    doc->GetURL(50, 50);
    SUCCEED();
}

TEST_F(ViewFixture, TenMegabytesOfTagSoup)
{
    // Fragments chosen to hit every handler: unclosed tags, quotes and entities, tables, lists.
    static const char *const kPieces[] = {
        "<TABLE BORDER",
        "<TD COLSPAN=9999",
        "<TR>",
        "</TABLE>",
        "<UL>",
        "<LI>",
        "</OL>",
        "<FONT SIZE=+9>",
        "<A HREF=\"x",
        "&#",
        "&amp",
        "<!",
        "<PRE>",
        "</PRE>",
        "<IMG SRC=a.gif ALIGN=LEFT>",
        "<BR CLEAR=all>",
        "<SELECT><OPTION>",
        "<TEXTAREA>",
        "<MAP NAME=m><AREA COORDS=1,2,3,4>",
        "<H1>",
        "</H1>",
        "word ",
        "<P ALIGN=center>",
        "<TD ROWSPAN=500>",
        "\r\n",
        "<INPUT>",
        "<FORM>",
        "<B><I><U>",
        "<HR SIZE=99>",
    };
    QRandomGenerator rng(99);
    QByteArray soup;
    soup.reserve(10 << 20);
    while (soup.size() < (10 << 20))
        soup += kPieces[rng.bounded(int(std::size(kPieces)))];
    readAndLayout(soup, 500);
    int sections = 0, deepest = 0;
    CountSections(*doc, 0, sections, deepest);
    EXPECT_LE(deepest, 12);
    EXPECT_LT(sections, soup.size()); // the model stays proportional to the input
}

TEST_F(ViewFixture, DeepNestingIsCapped)
{
    QByteArray html;
    for (int i = 0; i < 1000; ++i)
        html += "<UL><LI>l<FONT SIZE=2>f<TABLE><TR><TD>t";
    readAndLayout(html, 600);
    int sections = 0, deepest = 0;
    CountSections(*doc, 0, sections, deepest);
    EXPECT_EQ(deepest, 12);
    for (const TSection *s : textSections())
        EXPECT_LE(s->ListLevel, 20);
    EXPECT_GT(doc->LastLayout().Height, 0);
}

TEST_F(ViewFixture, AWordOf200000CharactersIsCutAndOverflows)
{
    readAndLayout("<P>" + QByteArray(200000, 'x') + " tail", 300);
    const TSection &s = *textSections().at(0);
    EXPECT_EQ(s.Text().size(), kMaxSectionText);
    ASSERT_EQ(s.Lines().size(), 1u);
    EXPECT_EQ(s.Lines()[0].Width, 6 * kMaxSectionText);
    EXPECT_EQ(doc->LastLayout().MaxWidth, 6 * kMaxSectionText);
}

TEST_F(ViewFixture, HugeSpansAndEmptyTablesLayOut)
{
    readAndLayout("<TABLE><TR><TD COLSPAN=100000 ROWSPAN=100000>x</TABLE><TABLE></TABLE><TABLE><TR></TABLE>");
    EXPECT_EQ(error.Kind, TViewErrorKind::ProcessError);
    readAndLayout("<TABLE><TR><TD ROWSPAN=100000>x<TR><TD>y</TABLE><TABLE></TABLE>");
    EXPECT_TRUE(error.ok());
}

TEST_F(ViewFixture, EveryPrefixOfAPageReadsWithoutHarm)
{
    const QByteArray page =
        "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY BGCOLOR=\"#C0C0C0\"><H2 ALIGN=CENTER>H</H2>"
        "<P>a &copy; b<A HREF='x.htm'>l</A><!-- c --><TABLE BORDER=2><TR><TD>1<TD>2</TABLE>"
        "<PRE>p\r\nq</PRE><UL><LI>i</UL><FORM><SELECT><OPTION>o</SELECT><TEXTAREA>t</TEXTAREA>"
        "</FORM></BODY></HTML>";
    for (int n = 0; n <= page.size(); ++n) {
        TViewDocument d(&host);
        TAnchorList a;
        const TViewError e = ParseHtmlBuffer(d, a, page.constData(), n);
        d.LayoutDocument(200);
        // Only a cut inside the comment or the DOCTYPE-like "<!" can raise the comment error.
        if (!e.ok()) {
            EXPECT_EQ(e.Kind, TViewErrorKind::ParseError) << n;
        }
    }
}

TEST_F(ViewFixture, ZeroAndNegativeWidthsDoNotBreakLayout)
{
    readAndLayout("<P>some words here<TABLE WIDTH=50%><TR><TD>x</TABLE><HR WIDTH=50%>", 0);
    EXPECT_GT(doc->LastLayout().Height, 0);
    doc->LayoutDocument(-50);
    EXPECT_GT(doc->LastLayout().Height, 0);
}

TEST_F(ViewFixture, HugeNumbersInAttributesStayWithinRange)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    // Values near the end of 32 bits once overflowed when the layout added them up.
    QByteArray page = "<TABLE CELLSPACING=2147483647 CELLPADDING=-2147483648><TR>"
                      "<TD WIDTH=99999999999>a<TD WIDTH=2147483647>b</TABLE><P>";
    for (int i = 0; i < 100; ++i)
        page += "<IMG SRC=dog.gif WIDTH=2147483647 HEIGHT=2147483647 HSPACE=-2147483648>";
    page += "<OL START=2147483647><LI>a<LI>b</OL>";
    readAndLayout(page, 300);
    const auto &table = static_cast<const TTableSection &>(*doc->Sections()[0]);
    EXPECT_EQ(table.CellSpacing, 50);
    EXPECT_EQ(table.Rows[0][0]->Width, 0); // no number of 32 bits
    EXPECT_EQ(table.Rows[0][1]->Width, 1000000);
    const TInlineImage &image = *textSections()[0]->Images()[0];
    EXPECT_EQ(image.RequestedWidth, 32767);
    EXPECT_EQ(image.HSpace, 20);
    EXPECT_GE(doc->LastLayout().MaxWidth, 32767);
    EXPECT_LT(doc->LastLayout().MaxWidth, 2000000);
    EXPECT_GE(doc->LastLayout().Height, 100 * 32767); // one picture a line
    EXPECT_EQ(textSections().back()->ListNumber, 1000001);

    // An image map's circle of the largest numbers still answers hit tests.
    TImageMap map;
    ASSERT_TRUE(map.AddArea(QStringLiteral("circle"), QStringLiteral("2147483647,0,2147483647"), {}, true));
    EXPECT_NE(map.Find(0, 0), nullptr);
}

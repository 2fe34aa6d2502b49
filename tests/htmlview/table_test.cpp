#include "tablesection.h"
#include "viewfixture.h"

#include <QRegularExpression>
#include <QTemporaryFile>

// Column widths and row heights of tables, with the fixed metrics: 6 pixels a character.
// Without BORDER the padding is 1 and the spacing 3, so every column adds 5 to its text.

namespace {
const TTableSection &FirstTable(const TViewDocument &doc)
{
    for (const auto &s : doc.Sections()) {
        if (auto *t = dynamic_cast<const TTableSection *>(s.get()))
            return *t;
    }
    throw std::logic_error("no table");
}
} // namespace

TEST_F(ViewFixture, ColumnsGetTheirMaximumWhenEverythingFits)
{
    readAndLayout("<TABLE><TR><TD>aaaa bb<TD>c</TABLE>", 400);
    const TTableSection &t = FirstTable(*doc);
    EXPECT_EQ(t.ColumnWidths(), (std::vector<int>{42 + 5, 6 + 5}));
    EXPECT_EQ(t.TableWidth(), 47 + 11 + 3);
}

TEST_F(ViewFixture, ColumnsShareTheRoomBetweenMinimumAndMaximum)
{
    // Column 0: min 24 + 5, max 6 * 29 + 5 = 179; column 1: min = max = 6 * 4 + 5 = 29.
    readAndLayout("<TABLE><TR><TD>aaaa aaaa aaaa aaaa aaaa aaaa<TD>bbbb</TABLE>", 100);
    const TTableSection &t = FirstTable(*doc);
    // 97 pixels for the columns: 29 + (179 - 29) * (97 - 58) / (208 - 58) = 68.
    EXPECT_EQ(t.ColumnWidths(), (std::vector<int>{68, 29}));
    EXPECT_EQ(t.TableWidth(), 100);
}

TEST_F(ViewFixture, TableWiderThanTheViewWhenMinimumsDoNotFit)
{
    readAndLayout("<TABLE><TR><TD>aaaaaaaaaa<TD>bbbbbbbbbb</TABLE>", 50);
    const TTableSection &t = FirstTable(*doc);
    EXPECT_EQ(t.ColumnWidths(), (std::vector<int>{65, 65}));
    EXPECT_EQ(doc->LastLayout().MaxWidth, 133);
}

TEST_F(ViewFixture, PercentColumnsAndPercentTables)
{
    readAndLayout("<TABLE WIDTH=50%><TR><TD WIDTH=25%>a<TD>b</TABLE>", 403);
    const TTableSection &t = FirstTable(*doc);
    // The table takes 201 pixels, 198 for its columns; a quarter of them is 49, and the rest
    // stretches the other column to fill the given width.
    EXPECT_EQ(t.ColumnWidths()[0], 49);
    EXPECT_EQ(t.TableWidth(), 201);
}

TEST_F(ViewFixture, PixelWidthsAreTakenAsGiven)
{
    readAndLayout("<TABLE><TR><TD WIDTH=100>a<TD WIDTH=10>long text</TABLE>", 400);
    const TTableSection &t = FirstTable(*doc);
    EXPECT_EQ(t.ColumnWidths()[0], 105);
    EXPECT_EQ(t.ColumnWidths()[1], 29); // never below the longest word
}

TEST_F(ViewFixture, RowSpanHeightIsSharedByTheRowsItCovers)
{
    readAndLayout("<TABLE><TR><TD ROWSPAN=2>1<BR>2<BR>3<BR>4<TD>a<TR><TD>b</TABLE>", 400);
    const TTableSection &t = FirstTable(*doc);
    const TTableCell &tall = *t.Rows[0][0];
    const TTableCell &a = *t.Rows[0][1];
    const TTableCell &b = *t.Rows[1][1];
    // Four lines of 15 need 64 with padding and spacing less one; the rows had 19 each, so each
    // grows by (64 - 38) / 2 + 1 = 14.
    EXPECT_EQ(a.H, 33 - 3);
    EXPECT_EQ(b.Y, a.Y + 33);
    EXPECT_EQ(tall.H, 66 - 3);
    EXPECT_EQ(t.SectionHeight(), 66 + 3);
}

TEST_F(ViewFixture, CaptionAboveOrBelowAndTableAlignment)
{
    readAndLayout("<TABLE ALIGN=RIGHT><CAPTION ALIGN=BOTTOM>cap</CAPTION><TR><TD>x</TABLE>", 400);
    const TTableSection &t = FirstTable(*doc);
    EXPECT_EQ(t.TableX() + t.TableWidth(), 400);
    EXPECT_GT(t.Caption->Y, t.Rows[0][0]->Y);
    EXPECT_EQ(t.Caption->Y + t.Caption->H, t.YValue() + t.SectionHeight());
}

TEST_F(ViewFixture, CellContentsFollowVerticalAlignment)
{
    readAndLayout("<TABLE><TR><TD>1<BR>2<BR>3<TD VALIGN=MIDDLE>m<TD VALIGN=BOTTOM>b<TD>t</TABLE>", 400);
    const TTableSection &t = FirstTable(*doc);
    const auto lineY = [&](int c) {
        return static_cast<const TSection &>(*t.Rows[0][c]->Cell.Sections()[0]).Lines()[0].Y;
    };
    // The row is one pixel short of three lines with their padding, so the free height beside
    // one line is 30 - 1.
    const int top = lineY(3);
    EXPECT_EQ(lineY(1), top + 14);
    EXPECT_EQ(lineY(2), top + 29);
}

TEST_F(ViewFixture, ImageRequestHandlerSuppliesImagesAndTransparency)
{
    QStringList asked;
    doc->ImageRequest = [&](const QString &source, THostImage &image, int &transparent) {
        asked << source;
        if (source == QLatin1String("none"))
            return false;
        image = {77, 8, 9, false};
        transparent = 0x00FF00;
        return true;
    };
    readAndLayout("<IMG SRC=pic><IMG SRC=none>");
    EXPECT_EQ(asked, (QStringList{"pic", "none"}));
    const auto &images = textSections().at(0)->Images();
    EXPECT_EQ(images[0]->Image, 77);
    EXPECT_EQ(images[0]->ShownWidth, 8);
    EXPECT_TRUE(images[1]->Placeholder);
    EXPECT_TRUE(host.drawLog.contains(QStringLiteral("transparent 77 65280")));
}

TEST_F(ViewFixture, BackgroundImageOnceAndOnlyWhenImagesAreShown)
{
    host.addImage(QStringLiteral("stars.gif"), QSize(32, 32));
    read("<BODY BACKGROUND=\"backgrnd\\stars.gif\">x");
    EXPECT_EQ(doc->GetBackgroundImage().Width, 32);
    EXPECT_EQ(doc->GetBackgroundImage().Width, 32);
    EXPECT_EQ(host.loadCount(), 1);
    doc->ShowImages = false;
    EXPECT_EQ(doc->GetBackgroundImage().Handle, 0);

    TViewDocument missing(&host);
    TAnchorList a;
    const QByteArray html = "<BODY BACKGROUND=nothere.gif>";
    ParseHtmlBuffer(missing, a, html.constData(), html.size());
    EXPECT_EQ(missing.GetBackgroundImage().Handle, 0); // no tiled broken-image picture
}

TEST_F(ViewFixture, FormSubmissionAndReset)
{
    read("<FORM><INPUT TYPE=radio NAME=r VALUE=a><INPUT TYPE=radio NAME=r VALUE=b CHECKED>"
         "<SELECT NAME=s><OPTION>x<OPTION VALUE=7>y</SELECT><SELECT NAME=m MULTIPLE><OPTION>p</SELECT>"
         "<INPUT TYPE=password NAME=p VALUE=secret><INPUT TYPE=hidden NAME=h VALUE=1></FORM>");
    TPageForm &form = *doc->Forms.at(0);
    EXPECT_EQ(form.Results(), (QStringList{"r=b", "s=x", "p=secret", "h=1"}));
    form.Controls[0]->CurrentChecked = true;
    form.Controls[2]->CurrentSelected = {false, true};
    EXPECT_EQ(form.Results(), (QStringList{"r=a", "r=b", "s=7", "p=secret", "h=1"}));
    form.ResetControls();
    EXPECT_EQ(form.Results(), (QStringList{"r=b", "s=x", "p=secret", "h=1"}));
}

TEST_F(ViewFixture, TextFilesKeepBlankLinesAndEveryLineEnd)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("one\r\n\r\ntwo\nthree\rfour");
    file.close();
    ParseTextFile(*doc, anchors, file.fileName());
    doc->LayoutDocument(400);
    QStringList lines;
    for (const auto &s : doc->Sections())
        lines << static_cast<const TSection &>(*s).Text();
    EXPECT_EQ(lines, (QStringList{"one", "", "two", "three", "four"}));
    EXPECT_EQ(doc->Sections()[1]->SectionHeight(), 13); // a blank line keeps its height
    EXPECT_EQ(ParseHtmlFile(*doc, anchors, QStringLiteral("/no/such/file.htm")).Kind, TViewErrorKind::None);
}

TEST_F(ViewFixture, FloatingImageMovesTheTextAndClearingMovesBelowIt)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    readAndLayout("<IMG SRC=dog.gif ALIGN=LEFT>beside<BR CLEAR=LEFT>below<P>x<IMG SRC=dog.gif ALIGN=RIGHT>",
                  200);
    const auto s = textSections();
    EXPECT_EQ(s[0]->Lines()[0].X, 45);
    EXPECT_EQ(s[1]->Lines()[0].Y, 30 - 1); // one pixel above the bottom of the picture
    EXPECT_EQ(s[1]->Lines()[0].X, 0);
    const TInlineImage &right = *s[2]->Images()[0];
    EXPECT_EQ(right.X + right.ShownWidth, 200);
    EXPECT_EQ(s[2]->DrawHeight(), 30); // the float hangs below its one-line section
}

TEST_F(ViewFixture, SidebarLayoutsWrapTheMainColumnAndFillTheirWidth)
{
    QByteArray text;
    for (int i = 0; i < 120; ++i)
        text += "word ";
    // A navigation column of a pixel width beside a long paragraph: the paragraph wraps in the
    // room that is left instead of running 720 pixels wide.
    readAndLayout("<TABLE WIDTH=100%><TR><TD WIDTH=150>nav<TD>" + text + "</TABLE>", 600);
    const TTableSection &full = FirstTable(*doc);
    EXPECT_EQ(full.ColumnWidths(), (std::vector<int>{155, 442}));
    EXPECT_EQ(full.TableWidth(), 600);
    EXPECT_EQ(doc->LastLayout().MaxWidth, 600);
    // Without a table width the table is as wide as its contents, at most the page.
    doc->Clear();
    readAndLayout("<TABLE><TR><TD WIDTH=150>nav<TD>" + text + "</TABLE>", 600);
    EXPECT_EQ(FirstTable(*doc).TableWidth(), 600);
    doc->Clear();
    readAndLayout("<TABLE><TR><TD WIDTH=150>nav<TD>short</TABLE>", 600);
    EXPECT_EQ(FirstTable(*doc).ColumnWidths(), (std::vector<int>{155, 35}));
    // A table WIDTH in pixels is filled by the columns without a width, by their maximum widths.
    doc->Clear();
    readAndLayout("<TABLE WIDTH=403><TR><TD WIDTH=100>a<TD>bb<TD>bbbb</TABLE>", 600);
    EXPECT_EQ(FirstTable(*doc).ColumnWidths(), (std::vector<int>{105, 109, 186}));
}

TEST_F(ViewFixture, PixelColumnsShrinkTowardsTheirMinimumWhenTheyDoNotFit)
{
    readAndLayout("<TABLE><TR><TD WIDTH=300>aaaa<TD WIDTH=300>bbbb</TABLE>", 203);
    // 200 pixels for two columns that want 305 each and need 29: each gets half.
    EXPECT_EQ(FirstTable(*doc).ColumnWidths(), (std::vector<int>{100, 100}));
}

TEST_F(ViewFixture, ATableOfAPixelWidthKeepsItInANarrowCell)
{
    readAndLayout("<TABLE><TR><TD><TABLE WIDTH=500><TR><TD>x</TABLE><TD>y</TABLE>", 300);
    const TTableSection &outer = FirstTable(*doc);
    EXPECT_GE(outer.ColumnWidths()[0], 500 + 5);
    EXPECT_EQ(doc->LastLayout().MaxWidth, outer.TableWidth());
}

TEST_F(ViewFixture, NestedContentWidensItsCellAndPaintsInsideIt)
{
    readAndLayout("<TABLE BORDER=1><TR><TD>a<TD><TABLE WIDTH=300><TR><TD>inner</TABLE></TABLE>", 200);
    const TTableSection &t = FirstTable(*doc);
    const TTableCell &cell = *t.Rows[0][1];
    EXPECT_GE(cell.W, 300);
    EXPECT_EQ(doc->LastLayout().MaxWidth, t.TableX() + t.TableWidth()); // the scroll bars reach it
    host.drawLog.clear();
    doc->Draw(QRect(0, 0, 400, 100), 0, 0);
    const QString cellClip =
        QStringLiteral("clip %1,%2 %3x%4").arg(cell.X).arg(cell.Y).arg(cell.W).arg(cell.H);
    const qsizetype at = host.drawLog.indexOf(cellClip);
    ASSERT_GE(at, 0) << host.drawLog.join(QLatin1Char('\n')).toStdString();
    const qsizetype inner = host.drawLog.indexOf(QRegularExpression(QStringLiteral("^text .*\"inner\"$")));
    const qsizetype back = host.drawLog.indexOf(QStringLiteral("clip 0,0 400x100"), at);
    EXPECT_GT(inner, at); // drawn inside the cell's clip
    EXPECT_GT(back, inner);
}

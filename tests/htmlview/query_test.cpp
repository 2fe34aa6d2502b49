#include "expandlink.h"
#include "imagecache.h"
#include "layoutdump.h"
#include "viewfixture.h"

// Hit tests, cursor positions, find, copy, painting and image loading on laid-out documents.

TEST_F(ViewFixture, LinkUnderThePointAndNothingBesideIt)
{
    readAndLayout("plain <A HREF=\"a.htm\" TARGET=t>link</A> more");
    // "plain " is 36 pixels wide, the link the next 24.
    const TLinkHit hit = doc->GetURL(40, 5);
    ASSERT_TRUE(hit.Found);
    EXPECT_EQ(hit.Link.URL, QStringLiteral("a.htm"));
    EXPECT_EQ(hit.Link.Target, QStringLiteral("t"));
    EXPECT_FALSE(doc->GetURL(10, 5).Found);
    EXPECT_FALSE(doc->GetURL(70, 5).Found);
    EXPECT_FALSE(doc->GetURL(40, 500).Found);
}

TEST_F(ViewFixture, ServerMapAppendsThePointAndClientMapPicksTheArea)
{
    host.addImage(QStringLiteral("map.gif"), QSize(100, 50));
    readAndLayout("<A HREF=\"/cgi/map\"><IMG SRC=map.gif ISMAP></A><BR>"
                  "<IMG SRC=map.gif USEMAP=#nav><MAP NAME=nav><AREA COORDS=\"0,0,49,49\" HREF=left.htm>"
                  "<AREA SHAPE=rect COORDS=\"50,0,99,49\" NOHREF></MAP>");
    const auto s = textSections();
    ASSERT_EQ(s.size(), 2u);
    const TInlineImage &linked = *s[0]->Images()[0];
    EXPECT_TRUE(linked.Border);
    const TLinkHit server = doc->GetURL(linked.X + 1 + 7, linked.Y + 1 + 9);
    ASSERT_TRUE(server.Found);
    EXPECT_EQ(server.Link.URL, QStringLiteral("/cgi/map?7,9"));
    const TInlineImage &mapped = *s[1]->Images()[0];
    EXPECT_EQ(doc->GetURL(mapped.X + 10, mapped.Y + 10).Link.URL, QStringLiteral("left.htm"));
    EXPECT_FALSE(doc->GetURL(mapped.X + 60, mapped.Y + 10).Found); // NOHREF
}

TEST_F(ViewFixture, CursorPositionsRunThroughTheDocument)
{
    readAndLayout("<P>abc def<P>ghi", 400);
    const auto s = textSections();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1]->StartCurs(), 7);
    int x = 0, y = 0;
    ASSERT_TRUE(doc->CursorToXY(8, x, y));
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, s[1]->YValue());
    EXPECT_EQ(doc->FindCursor(x + 1, y + 2), 8);
    EXPECT_EQ(doc->FindCursor(x + 4, y + 2), 9);             // right of the middle of "h"
    EXPECT_EQ(doc->FindCursor(1000, s[0]->YValue() + 1), 7); // beyond the end of the line
    EXPECT_EQ(doc->FindCursor(5, 3), -1);                    // in the paragraph gap above the first line
}

TEST_F(ViewFixture, CursorInAVeryLongWordIsFoundByMeasuringFewPrefixes)
{
    readAndLayout("<P>" + QByteArray(5000, 'w'), 100);
    const TSection &s = *textSections().at(0);
    EXPECT_EQ(doc->FindCursor(6 * 4000 + 1, s.YValue() + 1), 4000);
}

TEST_F(ViewFixture, FindIsCaseInsensitiveAndContinues)
{
    readAndLayout("<P>Alpha beta<TABLE><TR><TD>BETA gamma</TABLE>beta");
    const int first = doc->Find(QStringLiteral("beta"), 0);
    EXPECT_EQ(first, 6);
    const int second = doc->Find(QStringLiteral("beta"), first + 1);
    EXPECT_EQ(second, 10); // in the table cell
    const int third = doc->Find(QStringLiteral("beta"), second + 1);
    EXPECT_EQ(third, 20);
    EXPECT_EQ(doc->Find(QStringLiteral("beta"), third + 1), -1);
    EXPECT_EQ(doc->Find(QString(), 0), -1);
}

TEST_F(ViewFixture, SelectedTextJoinsSectionsWithLineEnds)
{
    readAndLayout("<P>one two<IMG SRC=x.gif><BR>three<PRE>four\r\nfive</PRE>");
    EXPECT_EQ(doc->SelectedText(4, 11), QStringLiteral("two\r\nthr"));
    EXPECT_EQ(doc->SelectedText(11, 4), QStringLiteral("two\r\nthr"));
    EXPECT_EQ(doc->SelectedText(5, 5), QString());
    EXPECT_EQ(doc->SelectedText(0, doc->TextLength()), QStringLiteral("one two\r\nthree\r\nfour\r\nfive"));
}

TEST_F(ViewFixture, PaintingDrawsTheClippedLinesAndInvertsTheSelection)
{
    doc->SetBackground(clWhite);
    readAndLayout("<P>first<P>second<P>third");
    const auto s = textSections();
    host.drawLog.clear();
    // Only the middle paragraph meets the clip rectangle.
    doc->Draw(QRect(0, s[1]->YValue() + 10, 400, 2), 10, 0, 7, 9);
    QStringList texts;
    for (const QString &call : std::as_const(host.drawLog)) {
        if (call.startsWith(QLatin1String("text")) || call.startsWith(QLatin1String("fill")))
            texts << call;
    }
    const int baseline = s[1]->Lines()[0].Baseline();
    // "first" holds positions 0..4, so the selection 7..9 is the "co" of "second".
    EXPECT_EQ(texts.join(QLatin1Char('\n')).toStdString(),
              (QStringList{
                   QStringLiteral("text 10,%1 Serif/12/0 #000000 \"se\"").arg(baseline),
                   QStringLiteral("fill 22,%1 12x15 #000000").arg(s[1]->YValue()),
                   QStringLiteral("text 22,%1 Serif/12/0 #ffffff \"co\"").arg(baseline),
                   QStringLiteral("text 34,%1 Serif/12/0 #000000 \"nd\"").arg(baseline),
               })
                  .join(QLatin1Char('\n'))
                  .toStdString());
}

TEST_F(ViewFixture, ImagesWithTheSameNameInAnyCaseAreReadOnce)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    TImageCache cache(&host);
    doc->SetImageCache(&cache);
    readAndLayout("<IMG SRC=dog.gif><IMG SRC=\" DOG.GIF\"><IMG SRC=missing.gif>");
    EXPECT_EQ(host.loadCount(), 2);
    EXPECT_EQ(cache.Count(), 1);
    const auto &images = textSections().at(0)->Images();
    EXPECT_EQ(images[0]->Image, images[1]->Image);
    EXPECT_TRUE(images[2]->Placeholder);
    EXPECT_EQ(images[2]->ShownWidth, 16);
}

TEST_F(ViewFixture, CacheFreesImagesUnusedForMoreDocumentsThanItsCapacity)
{
    host.addImage(QStringLiteral("a.gif"), QSize(1, 1));
    TImageCache cache(&host);
    cache.SetCapacity(50);
    EXPECT_EQ(cache.Capacity(), 20);
    cache.SetCapacity(2);
    cache.Add(QStringLiteral("a.gif"), host.loadImage(QStringLiteral("a.gif")), false, false);
    cache.Age();
    cache.Age();
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_NE(cache.Find(QStringLiteral("A.GIF")), nullptr); // using it makes it young again
    cache.Age();
    cache.Age();
    cache.Age();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(host.liveImages(), 0);
}

TEST_F(ViewFixture, TransparentImagesGetAMaskOnce)
{
    host.addImage(QStringLiteral("t.gif"), QSize(4, 4));
    TImageCache cache(&host);
    doc->SetImageCache(&cache);
    readAndLayout("<IMG SRC=t.gif TRANSP><IMG SRC=t.gif TRANSP>");
    EXPECT_EQ(host.drawLog.filter(QStringLiteral("transparent")).size(), 1);
}

TEST_F(ViewFixture, DefaultFontSizeScalesFontsAndGaps)
{
    doc->DefaultFontSize = 11;
    readAndLayout("<H1>T</H1><P>x");
    const TSection &heading = *textSections().at(0);
    EXPECT_EQ(heading.Runs().back().Font.FontSpec(*doc).PointSize, 22);
    for (const auto &s : doc->Sections()) {
        if (QByteArray(s->KindName()) == "ParagraphGap") {
            EXPECT_EQ(s->SectionHeight(), 13);
        }
    }
}

TEST_F(ViewFixture, ReLayoutAtAnotherWidthEqualsAFreshLayout)
{
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    const QByteArray page =
        "<H2>Title</H2><IMG SRC=dog.gif ALIGN=LEFT>Some text that wraps around a floating "
        "picture.<TABLE BORDER WIDTH=90%><TR><TD>cell one with words<TD WIDTH=30%>two"
        "<TR><TD COLSPAN=2>three</TABLE><UL><LI>item</UL><HR WIDTH=50%>";
    readAndLayout(page, 180);
    doc->LayoutDocument(500);
    const QByteArray relaid = LayoutDump(*doc);

    TViewDocument fresh(&host);
    fresh.DefaultFontName = doc->DefaultFontName;
    TAnchorList freshAnchors;
    ParseHtmlBuffer(fresh, freshAnchors, page.constData(), page.size());
    fresh.LayoutDocument(500);
    EXPECT_EQ(relaid.toStdString(), LayoutDump(fresh).toStdString());
}

TEST_F(ViewFixture, FontChangesReachTheLayout)
{
    readAndLayout("<P>abc");
    EXPECT_EQ(textSections().at(0)->Lines()[0].Width, 18);
    doc->DefaultFontSize = 24;
    doc->UpdateFonts();
    doc->LayoutDocument(400);
    EXPECT_EQ(textSections().at(0)->Lines()[0].Width, 36);
}

TEST(ExpandLinkFilename, UrlsBasesAndFolders)
{
    EXPECT_EQ(
        ExpandLinkFilename(QStringLiteral(" page2.htm "), QString(), QStringLiteral("C:\\site\\index.htm")),
        QStringLiteral("C:\\site\\page2.htm"));
    EXPECT_EQ(ExpandLinkFilename(QStringLiteral("page2.htm"), QString(), QString()),
              QStringLiteral("page2.htm"));
    EXPECT_EQ(
        ExpandLinkFilename(QStringLiteral("file:///C|/Web/A.htm"), QString(), QStringLiteral("D:\\x.htm")),
        QStringLiteral("c:\\web\\a.htm"));
    EXPECT_EQ(ExpandLinkFilename(QStringLiteral("Sub/Page.htm"), QStringLiteral("DosPath"),
                                 QStringLiteral("C:\\x.htm")),
              QStringLiteral("sub\\page.htm"));
    EXPECT_EQ(ExpandLinkFilename(QStringLiteral("a.htm"), QStringLiteral("C:\\base\\"),
                                 QStringLiteral("D:\\x.htm")),
              QStringLiteral("C:\\base\\a.htm"));
}

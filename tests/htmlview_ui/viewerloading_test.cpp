#include "viewerfixture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>

TEST_F(ViewerTest, LoadingTheSameLinesTwiceStartsAtTheTopBothTimes)
{
    const QList<QByteArray> page = lines(tallPage());
    viewer->LoadLines(page);
    EXPECT_EQ(viewer->Position(), 0);
    viewer->SetPosition(500);
    ASSERT_GT(viewer->Position(), 0);
    viewer->LoadLines(page);
    EXPECT_EQ(viewer->Position(), 0);
    EXPECT_TRUE(viewer->CurrentFile().isEmpty());
}

TEST_F(ViewerTest, ProcessingIsReportedOnAndOffAroundALoad)
{
    QList<bool> reports;
    viewer->OnProcessing = [&](TPageViewer *, bool on) { reports.append(on); };
    viewer->LoadLines(lines("<P>a</P>"));
    EXPECT_EQ(reports, (QList<bool>{true, false}));
    EXPECT_FALSE(viewer->Processing());
}

TEST_F(ViewerTest, AMissingFileIsReportedAndThePageShownStays)
{
    viewer->LoadLines(lines("<TITLE>Kept</TITLE><P>still here</P>"));
    const QString missing = dir.filePath(QStringLiteral("nowhere.html"));
    QList<bool> reports;
    viewer->OnProcessing = [&](TPageViewer *, bool on) { reports.append(on); };

    const TViewerError error = viewer->LoadFromFile(missing);
    EXPECT_EQ(error.Kind, TViewerErrorKind::FileNotFound);
    EXPECT_EQ(error.Message, QStringLiteral("Can't locate file: ") + missing);
    EXPECT_EQ(viewer->DocumentTitle(), QStringLiteral("Kept"));
    EXPECT_GE(viewer->Document().Find(QStringLiteral("still here"), 0), 0);
    EXPECT_EQ(reports, (QList<bool>{true, false})) << "processing must be switched off again";
}

TEST_F(ViewerTest, ReaderErrorsReachTheCallerAfterThePartialPageIsShown)
{
    const TViewerError error = viewer->LoadLines(lines("<P>Before the comment</P><!-- never closed"));
    EXPECT_EQ(error.Kind, TViewerErrorKind::ParseError);
    EXPECT_EQ(error.Message, QStringLiteral("Open Comment at End of HTML File"));
    EXPECT_GE(viewer->Document().Find(QStringLiteral("Before the comment"), 0), 0);
    EXPECT_GT(viewer->DocumentHeight(), 0);
    EXPECT_FALSE(viewer->Processing());

    QByteArray wide = "<TABLE><TR>";
    for (int i = 0; i < 31; ++i)
        wide += "<TD>c</TD>";
    const TViewerError tooWide = viewer->LoadLines(lines("<P>Above</P>" + wide + "</TR></TABLE>"));
    EXPECT_EQ(tooWide.Kind, TViewerErrorKind::ProcessError);
    EXPECT_EQ(tooWide.Message, QStringLiteral("Table has too many Columns"));
    EXPECT_GE(viewer->Document().Find(QStringLiteral("Above"), 0), 0);
}

TEST_F(ViewerTest, LoadFromFileWithAnAnchorScrollsToIt)
{
    const QString file = writeFile(QStringLiteral("tall.html"), tallPage());
    ASSERT_TRUE(viewer->LoadFromFile(file + QStringLiteral("#MIDDLE")).ok());
    EXPECT_EQ(viewer->CurrentFile(), file);
    EXPECT_GT(viewer->Position(), 0);
    const QPoint at = surfacePointOf(QStringLiteral("Paragraph 40 "));
    EXPECT_LT(at.y(), 40) << "the anchor's section is at the top of the window";

    ASSERT_TRUE(viewer->LoadFromFile(file).ok());
    EXPECT_EQ(viewer->Position(), 0);
}

TEST_F(ViewerTest, RelativeNamesResolveAgainstTheShownFilesFolder)
{
    const QString file = writeFile(QStringLiteral("index.html"), "<P>x</P>");
    const QString other = writeFile(QStringLiteral("Page2.htm"), "<P>y</P>");
    viewer->LoadLines(lines("<P>from lines</P>"));
    EXPECT_EQ(viewer->ExpandLinkFilename(QStringLiteral("page2.htm")), QStringLiteral("page2.htm"))
        << "lines without a base resolve against an empty folder";

    viewer->LoadFromFile(file);
    // The page names it in other case; the file is found all the same on a case-sensitive disk.
    EXPECT_EQ(viewer->ExpandLinkFilename(QStringLiteral("page2.htm")), other);
    EXPECT_EQ(viewer->ExpandLinkFilename(QStringLiteral("./PAGE2.HTM")), other);
}

TEST_F(ViewerTest, ImagesOfThePageAreReadRelativeToItAndTheCacheAgesPerDocument)
{
    int requests = 0;
    viewer->OnImageRequest = [&](TPageViewer *, const QString &src, QImage &bitmap, int &) {
        ++requests;
        if (src == QLatin1String("dot.png")) {
            bitmap = QImage(7, 5, QImage::Format_RGB32);
            bitmap.fill(Qt::red);
        }
    };
    const QList<QByteArray> page = lines("<P><IMG SRC=\"dot.png\"> <IMG SRC=\"DOT.PNG\"></P>");
    viewer->LoadLines(page);
    EXPECT_EQ(requests, 1) << "two spellings of one name share a cache entry";
    viewer->LoadLines(page);
    EXPECT_EQ(requests, 1) << "the cache keeps the image for the next document";

    viewer->SetImageCacheSize(0);
    viewer->LoadLines(page);
    viewer->LoadLines(page);
    EXPECT_EQ(requests, 3) << "without a cache every document reads the image again";
}

TEST_F(ViewerTest, AnImageFileIsShownAsADocumentOfOneImage)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString file = dir.filePath(QStringLiteral("Green.PNG"));
    ASSERT_TRUE(picture.save(file));
    ASSERT_TRUE(viewer->LoadImageFile(file).ok());
    EXPECT_EQ(viewer->FileType(), TViewerFileType::Image);
    EXPECT_GE(viewer->DocumentHeight(), 40);

    QImage shot(viewer->ViewSize(), QImage::Format_RGB32);
    QPainter painter(&shot);
    viewer->PaintDocument(painter, shot.rect());
    painter.end();
    EXPECT_EQ(shot.pixelColor(TPageView::LeftMargin + 30, viewer->DocumentHeight() - 20), QColor(Qt::green));
}

TEST_F(ViewerTest, ClearEmptiesTheView)
{
    viewer->LoadLines(lines("<TITLE>t</TITLE>" + tallPage()));
    viewer->SetPosition(200);
    viewer->SetSelection(0, 5);
    viewer->Clear();
    EXPECT_EQ(viewer->DocumentHeight(), 0);
    EXPECT_EQ(viewer->Position(), 0);
    EXPECT_TRUE(viewer->DocumentTitle().isEmpty());
    EXPECT_TRUE(viewer->SelectedText().isEmpty());
}

TEST_F(ViewerTest, TextLinesAreShownAsTheyStand)
{
    viewer->LoadTextLines({"<B>not bold</B>", "  two spaces"});
    EXPECT_EQ(viewer->FileType(), TViewerFileType::Text);
    EXPECT_GE(viewer->Document().Find(QStringLiteral("<B>not bold</B>"), 0), 0);
}

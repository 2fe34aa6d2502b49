#include "previewfixture.h"
#include "previewhtml.h"
#include "thumbnail.h"
#include "thumbnailmaker.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

using Thumbnails = PreviewFixture;

// How much of a picture is the given colour, roughly.
double share(const QImage &picture, QColor colour)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += QColor(picture.pixel(x, y)) == colour;
    return double(count) / (picture.width() * picture.height());
}

TEST_F(Thumbnails, SavingWritesTheRenderedPageAsABitmapBesideTheDocument)
{
    writeStyles({style("Green", 0x0000FF00)});
    open();
    addBlocks();
    toStage(stBuild);
    window->page().setStyle(window->styles().styleOfItem(1));
    prompts.chooseFile(home + QStringLiteral("save/Index.zve"));
    trigger("menFileSaveAs");

    const QString bmp = home + QStringLiteral("save/Index.zve.bmp");
    ASSERT_TRUE(QFileInfo::exists(bmp));
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "BM");
    EXPECT_EQ(file.size(), 54 + 229 * 196 * 3);

    const std::optional<QImage> thumbnail = LoadThumbnail(home + QStringLiteral("save/Index.zve"));
    ASSERT_TRUE(thumbnail.has_value());
    EXPECT_EQ(thumbnail->size(), QSize(196, 229));
    // The style's green background fills most of it; the text of the blocks is the rest.
    EXPECT_GT(share(*thumbnail, QColor(0, 255, 0)), 0.8);
    EXPECT_LT(share(*thumbnail, QColor(0, 255, 0)), 1.0);
    // Rendering the thumbnail does not leave a page HTML text behind in the build stage.
    EXPECT_FALSE(window->page().HTMLGenerated());
}

TEST_F(Thumbnails, ThePreviewStageThumbnailShowsTheHandEditedPage)
{
    open();
    toStage(stPreview);
    window->page().editHTML("<HTML><BODY BGCOLOR=\"#FF0000\"><H1>Edited</H1></BODY></HTML>");
    prompts.chooseFile(home + QStringLiteral("save/Red.zve"));
    trigger("menFileSaveAs");
    const std::optional<QImage> thumbnail = LoadThumbnail(home + QStringLiteral("save/Red.zve"));
    ASSERT_TRUE(thumbnail.has_value());
    // The picture shows the page as the HTML tab holds it, hand-edited body tag included.
    EXPECT_GT(share(*thumbnail, QColor(255, 0, 0)), 0.8);
}

TEST_F(Thumbnails, AFailedThumbnailLeavesTheDocumentSaved)
{
    open();
    addBlocks();
    // A folder where the picture should go makes writing it fail.
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("save/Blocked.zve.bmp")));
    prompts.chooseFile(home + QStringLiteral("save/Blocked.zve"));
    trigger("menFileSaveAs");
    EXPECT_EQ(window->document().DocFileName(), home + QStringLiteral("save/Blocked.zve"));
    EXPECT_FALSE(window->page().PageModified());
    QFile doc(home + QStringLiteral("save/Blocked.zve"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    EXPECT_TRUE(doc.readAll().endsWith("End of Zorvin Express File >=)"));
}

} // namespace

namespace {

// The miniature is painted without a window; it must still be exactly the top of the page as the
// preview's viewer shows it: the same fonts, silver where the page sets no colour, pictures found
// in the HTML folder, and the page's own background tiled.
TEST(ThumbnailMaker, PaintsThePageAsThePreviewViewerShowsIt)
{
    qputenv("ZORVIN_HOME", ZV_SOURCE_ROOT "/data/");
    const QList<QByteArray> pages = {
        "<HTML><BODY BACKGROUND=\"backgrnd/stars.gif\" TEXT=\"#FFFF00\"><H1>Heading</H1><P>Text in the "
        "default font, long enough to wrap at the preview's width once or twice so that the line breaks "
        "show. <A HREF=\"x.html\">A link</A></P><CENTER><IMG SRC=\"graphics/family.png\"></CENTER>"
        "<PRE>fixed   font</PRE><HR></BODY></HTML>",
        "<HTML><BODY><P>No colours at all.</P></BODY></HTML>"};
    for (const QByteArray &page : pages) {
        TPreviewViewer viewer;
        viewer.setAttribute(Qt::WA_DontShowOnScreen);
        viewer.SetBorderStyle(TViewerBorderStyle::vbNone);
        viewer.SetScrollBars(TScrollStyle::ssNone);
        viewer.resize(609, 609 * ThumbnailSize.height() / ThumbnailSize.width());
        viewer.show();
        viewer.LoadLines(PageLines(ViewerHTML(page)));
        QImage shown(viewer.ViewSize(), QImage::Format_RGB32);
        {
            QPainter painter(&shown);
            viewer.PaintDocument(painter, shown.rect());
        }
        const QImage expected = shown.scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage made = MakeThumbnail(page, ThumbnailSize);
        ASSERT_EQ(made.size(), ThumbnailSize);
        EXPECT_TRUE(made == expected) << page.constData();
    }
    // The picture and the background were found: the first page is not one colour.
    const QImage first = MakeThumbnail(pages[0], ThumbnailSize);
    EXPECT_LT(share(first, first.pixelColor(0, 0)), 0.9);
}

} // namespace

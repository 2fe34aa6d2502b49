#include "previewfixture.h"
#include "thumbnail.h"

#include <QFile>
#include <QFileInfo>

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

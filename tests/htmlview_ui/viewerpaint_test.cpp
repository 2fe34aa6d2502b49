#include "viewerfixture.h"

#include <QImage>
#include <QPainter>

namespace {

QImage paintedView(TPageViewer &viewer)
{
    QImage shot(viewer.ViewSize(), QImage::Format_RGB32);
    QPainter painter(&shot);
    viewer.PaintDocument(painter, shot.rect());
    return shot;
}

} // namespace

// Pixels, because a layout dump cannot tell where the background tiles are painted.
TEST_F(ViewerTest, TheBackgroundImageIsTiledFromTheDocumentOriginAndScrollsWithIt)
{
    // A 10 x 10 tile: red top half, yellow bottom half.
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::yellow);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            tile.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_TRUE(tile.save(dir.filePath(QStringLiteral("tile.png"))));
    const QString page =
        writeFile(QStringLiteral("page.html"), "<BODY BACKGROUND=\"tile.png\">" + tallPage());
    ASSERT_TRUE(viewer->LoadFromFile(page).ok());

    // Sample a column right of the text so only the background is there.
    const int x = viewer->ViewSize().width() - 3;
    QImage shot = paintedView(*viewer);
    EXPECT_EQ(shot.pixel(x, 2), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(x, 7), qRgb(255, 255, 0));

    viewer->SetPosition(5);
    shot = paintedView(*viewer);
    EXPECT_EQ(shot.pixel(x, 2), qRgb(255, 255, 0)) << "the tiles move with the page";
    EXPECT_EQ(shot.pixel(x, 7), qRgb(255, 0, 0));

    viewer->SetShowImages(false);
    shot = paintedView(*viewer);
    EXPECT_EQ(shot.pixel(x, 2), shot.pixel(x, 7)) << "without images the background is one colour";
}

TEST_F(ViewerTest, SelectedTextIsPaintedInverted)
{
    viewer->LoadLines(lines("<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\"><P>MMMMMMMMMM</P>"));
    const QPoint at = surfacePointOf(QStringLiteral("MMM"));
    QImage shot = paintedView(*viewer);
    int darkBefore = 0;
    for (int x = at.x(); x < at.x() + 30; ++x)
        darkBefore += qGray(shot.pixel(x, at.y() + 2)) < 128;

    viewer->SelectAll();
    shot = paintedView(*viewer);
    int darkAfter = 0;
    for (int x = at.x(); x < at.x() + 30; ++x)
        darkAfter += qGray(shot.pixel(x, at.y() + 2)) < 128;
    EXPECT_GT(darkAfter, darkBefore + 10) << "a selected run is drawn on a block of the text colour";
}

#include "resourcebitmap.h"
#include "webtour.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// The pictures the send stage draws exist at the sizes its drawing relies on.

TEST(SendArtwork, EveryPictureOfTheWebAndTheFireworksIsThereAtItsSize)
{
    EXPECT_EQ(ResourceBitmapSize("Web_Back"), QSize(420, 210));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(ResourceBitmapSize(QString("Web_Rotate%1").arg(i)), QSize(276, 210)) << i;
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(ResourceBitmapSize(QString("Web_Upload%1").arg(i)).isEmpty()) << i;
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(ResourceBitmapSize(QString("Fire%1").arg(i)), QSize(160, 160)) << i;
    EXPECT_EQ(ResourceBitmapSize("Web_Page"), ResourceBitmapSize("Web_PageFlash"));
    for (const char *arrow : {"Web_LeftUp", "Web_LeftDn", "Web_RightUp", "Web_RightDn"})
        EXPECT_EQ(ResourceBitmapSize(arrow), ResourceBitmapSize("Web_LeftUp")) << arrow;
    for (const TWebSight &sight : WebSights())
        EXPECT_EQ(ResourceBitmapSize(sight.bitmap), QSize(72, 44)) << sight.bitmap;
}

TEST(SendArtwork, TheTurningFramesLineUpWithTheStillWebAtTheirEdges)
{
    // The turning part is drawn over the middle of the still web: its outer columns, away from
    // the web itself, must match the picture underneath, or each turn would leave a seam.
    QImage still(420, 210, QImage::Format_ARGB32_Premultiplied);
    still.fill(Qt::transparent);
    {
        QPainter painter(&still);
        DrawResourceBitmap(painter, "Web_Back", 0, 0);
    }
    QImage turned = still;
    {
        QPainter painter(&turned);
        DrawResourceBitmap(painter, "Web_Rotate2", 72, 0);
    }
    for (int y = 0; y < 210; y += 7) {
        for (int x : {73, 74, 346}) {
            const QColor a = still.pixelColor(x, y);
            const QColor b = turned.pixelColor(x, y);
            EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      6)
                << x << "," << y;
        }
    }
}

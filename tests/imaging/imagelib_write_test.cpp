#include "imagefiles.h"
#include "imagelib.h"

#include <QImageReader>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

bool isJpegFile(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(3) == QByteArray("\xFF\xD8\xFF", 3) && QImageReader(file).format() == "jpeg";
}

QImage noisyPicture()
{
    QImage image(64, 64, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

} // namespace

TEST_F(ImageFiles, EveryReadableFormatConvertsToAJpegOfTheSameSize)
{
    const QStringList sources = {
        writeQt("c.bmp", "bmp"),     writeQt("c.png", "png"),     writeQt("c.tif", "tiff"),
        writeMagick("c.tga", "TGA"), writeMagick("c.pcx", "PCX"), writeMagick("c.gif", "GIF"),
    };
    for (const QString &source : sources) {
        SCOPED_TRACE(source.toStdString());
        const QString target = source + ".jpg";
        const TImageStatus converted = lib.convertToJpeg(source, target, 100);
        ASSERT_TRUE(converted) << converted.errorText().toStdString();
        ASSERT_TRUE(isJpegFile(target));
        const QImage written(target);
        EXPECT_EQ(written.size(), QSize(40, 30));
        expectCornerColours(written, 40);
    }
}

TEST_F(ImageFiles, QualitySmoothingAndGreyDepthShapeTheJpeg)
{
    const QImage noise = noisyPicture();
    ASSERT_TRUE(lib.writeJpeg(path("q100.jpg"), noise, 100, 0, 24));
    ASSERT_TRUE(lib.writeJpeg(path("q10.jpg"), noise, 10, 0, 24));
    ASSERT_TRUE(lib.writeJpeg(path("smooth.jpg"), noise, 100, 100, 24));
    EXPECT_GT(QFileInfo(path("q100.jpg")).size(), 2 * QFileInfo(path("q10.jpg")).size());
    // Smoothing takes out detail, which the encoder turns into a smaller file.
    EXPECT_LT(QFileInfo(path("smooth.jpg")).size(), QFileInfo(path("q100.jpg")).size());
    // A quality beyond the scale is taken as the nearest end, not passed on to the encoder.
    ASSERT_TRUE(lib.writeJpeg(path("q500.jpg"), noise, 500, 0, 24));
    EXPECT_EQ(QFileInfo(path("q500.jpg")).size(), QFileInfo(path("q100.jpg")).size());

    ASSERT_TRUE(lib.writeJpeg(path("grey.jpg"), samplePicture(), 90, 0, 1));
    EXPECT_TRUE(QImage(path("grey.jpg")).isGrayscale());
    ASSERT_TRUE(lib.writeJpeg(path("colour.jpg"), samplePicture(), 90, 0, 24));
    EXPECT_FALSE(QImage(path("colour.jpg")).isGrayscale());
}

TEST_F(ImageFiles, TransparentPartsBecomeWhiteInTheJpeg)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    ASSERT_TRUE(lib.writeJpeg(path("clear.jpg"), image, 100, 0, 24));
    EXPECT_GT(qGray(QImage(path("clear.jpg")).pixel(10, 10)), 250);
}

TEST_F(ImageFiles, WriteFailuresAreReportedAndLeaveNoFile)
{
    EXPECT_EQ(lib.writeJpeg(path("none.jpg"), QImage(), 100, 0, 24).errorCode(), ImageError::NoPicture);
    EXPECT_FALSE(QFile::exists(path("none.jpg")));

    const QString unwritable = path("no/such/folder/out.jpg");
    const TImageStatus written = lib.writeJpeg(unwritable, samplePicture(), 100, 0, 24);
    EXPECT_EQ(written.errorCode(), ImageError::CannotWrite);
    EXPECT_TRUE(written.errorText().startsWith(TImageLib::errorText(ImageError::CannotWrite)));
    EXPECT_EQ(lib.lastErrorText(), written.errorText());

    // A conversion whose source cannot be read does not touch an existing target.
    const QString target = writeQt("kept.jpg", "jpeg");
    QFile original(target);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    EXPECT_LT(lib.convertToJpeg(writeBytes("broken.bmp", "BM broken"), target, 100).errorCode(), 1);
    QFile after(target);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

TEST(ColourDepths, FollowTheFormatAndTheWriteSetting)
{
    const int screen = TImageLib::screenDepth();
    struct Row {
        const char *format;
        QList<int> bits; // for wdVga, wdMono, wd16, wd256, wdTrue, wdJpegGray, wdAuto
    };
    const QList<Row> rows = {
        {"jpg", {24, 1, 24, 24, 24, 1, 24}},           {"JPG", {24, 1, 24, 24, 24, 1, 24}},
        {"tga", {8, 8, 8, 8, 24, 8, qMax(8, screen)}}, {"gif", {0, 1, 4, 8, 24, 8, screen}},
        {"bmp", {0, 1, 4, 8, 8, 8, qMin(8, screen)}},  {"pcx", {0, 1, 4, 8, 8, 8, qMin(8, screen)}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.format);
        for (int d = wdVga; d <= wdAuto; ++d)
            EXPECT_EQ(TImageLib::depthForFormat(row.format, TWriteDepth(d)), row.bits[d]) << "depth " << d;
    }

    EXPECT_EQ(TImageLib::readDepthBits(rdVga), 0);
    EXPECT_EQ(TImageLib::readDepthBits(rdMono), 1);
    EXPECT_EQ(TImageLib::readDepthBits(rd16), 4);
    EXPECT_EQ(TImageLib::readDepthBits(rd256), 8);
    EXPECT_EQ(TImageLib::readDepthBits(rdTrue), 24);
    EXPECT_EQ(TImageLib::readDepthBits(rdAuto), screen);

    const QList<QPair<int, int>> screens = {{1, 4}, {4, 4},  {5, 8},   {7, 8},   {8, 8},
                                            {9, 8}, {15, 8}, {16, 24}, {24, 24}, {32, 24}};
    for (const auto &[bits, depth] : screens)
        EXPECT_EQ(TImageLib::depthForScreenBits(bits), depth) << bits << " bits";
}

#include "imagefiles.h"
#include "imagelib.h"

#include <Magick++.h>
#include <gtest/gtest.h>

#include <list>

TEST_F(ImageFiles, EveryFormatIsReadWithItsSizeAndColours)
{
    struct Case {
        QString file;
        int tolerance;
    };
    const QList<Case> cases = {
        {writeQt("a.bmp", "bmp"), 0},     {writeQt("a.png", "png"), 0},    {writeMagick("a.gif", "GIF"), 8},
        {writeQt("a.jpg", "jpeg"), 40},   {writeQt("a.tif", "tiff"), 0},   {writeMagick("a.tga", "TGA"), 0},
        {writeMagick("a.pcx", "PCX"), 0}, {writeQt("b.JPEG", "jpeg"), 40},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const TImageLib::TRead read = lib.readByExtension(c.file, TReadOptions());
        ASSERT_TRUE(read) << read.errorText().toStdString();
        EXPECT_EQ(read->image.size(), QSize(40, 30));
        expectCornerColours(read->image, c.tolerance);
    }
}

TEST_F(ImageFiles, PhotoCdIsReadAtTheChosenResolution)
{
    const QString file = writeMagick("photo.pcd", "PCD", samplePicture(768, 512));
    TReadOptions options;
    options.pcdSize = pcdBase16;
    TImageLib::TRead read = lib.readPcd(file, options);
    ASSERT_TRUE(read) << read.errorText().toStdString();
    EXPECT_EQ(read->image.size(), QSize(192, 128));
    options.pcdSize = pcdBase4;
    read = lib.readPcd(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.size(), QSize(384, 256));
    options.pcdSize = pcdBase;
    read = lib.readPcd(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.size(), QSize(768, 512));
    expectCornerColours(read->image, 48);
}

TEST_F(ImageFiles, EpsIsRenderedAtItsBoundingBox)
{
    const QString file = writeBytes("shape.eps", "%!PS-Adobe-3.0 EPSF-3.0\n"
                                                 "%%BoundingBox: 0 0 60 40\n"
                                                 "1 0 0 setrgbcolor 0 20 30 20 rectfill\n"
                                                 "showpage\n");
    const TImageLib::TRead read = lib.readEps(file, TReadOptions());
    ASSERT_TRUE(read) << read.errorText().toStdString();
    const TReadResult &result = *read;
    EXPECT_EQ(result.image.size(), QSize(60, 40));
    // PostScript's origin is the bottom left: the red box fills the top-left quarter.
    const QColor topLeft = result.image.pixelColor(5, 5);
    EXPECT_GT(topLeft.red(), 200);
    EXPECT_LT(topLeft.green(), 60);
    EXPECT_GT(result.image.pixelColor(50, 35).green(), 200);
}

TEST_F(ImageFiles, ReadersDeliverTheAskedColourDepth)
{
    const QString file = writeQt("depth.png", "png");
    TReadOptions options;

    options.depth = 24;
    TImageLib::TRead read = lib.readPng(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(read->palette.isEmpty());

    options.depth = 1;
    read = lib.readPng(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.depth(), 1);

    options.depth = 4;
    read = lib.readPng(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.format(), QImage::Format_Indexed8);
    EXPECT_LE(read->palette.size(), 16);

    // An offered palette is the one 8-bit pictures are mapped to, by the object it was offered to
    // only.
    const QList<QRgb> offered = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)};
    TImageLib withPalette;
    withPalette.setPalette(offered);
    options.depth = 8;
    options.dither = TDither::Off;
    read = withPalette.readPng(file, options);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->palette, offered);
    EXPECT_EQ(read->image.pixel(3, 3), qRgb(255, 0, 0));
    read = lib.readPng(file, options);
    ASSERT_TRUE(read);
    EXPECT_NE(read->palette, offered);
}

TEST_F(ImageFiles, GifReportsWhetherItDeclaresATransparentColour)
{
    QImage holed = samplePicture().convertToFormat(QImage::Format_ARGB32);
    holed.setPixel(10, 10, qRgba(0, 0, 0, 0));
    const QString transparent = writeMagick("holed.gif", "GIF", holed);
    const QString opaque = writeMagick("solid.gif", "GIF");
    TImageLib::TRead read = lib.readGif(transparent, TReadOptions());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->transparent);
    EXPECT_EQ(qAlpha(read->image.pixel(10, 10)), 0);
    read = lib.readGif(opaque, TReadOptions());
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->transparent);
}

TEST_F(ImageFiles, TiffPagesAndCompressionAreReported)
{
    std::list<Magick::Image> pages;
    pages.emplace_back(Magick::Geometry(30, 20), Magick::Color("red"));
    pages.emplace_back(Magick::Geometry(50, 10), Magick::Color("blue"));
    for (Magick::Image &page : pages)
        page.compressType(Magick::LZWCompression);
    const QString file = path("two.tif");
    Magick::writeImages(pages.begin(), pages.end(), QFile::encodeName(file).toStdString(), true);

    TReadOptions options;
    options.tiffPage = 2;
    TImageLib::TRead read = lib.readTiff(file, options);
    ASSERT_TRUE(read) << read.errorText().toStdString();
    EXPECT_EQ(read->image.size(), QSize(50, 10));
    EXPECT_EQ(QColor(read->image.pixel(1, 1)), QColor(Qt::blue));
    options.tiffPage = 3;
    read = lib.readTiff(file, options);
    EXPECT_FALSE(read);
    EXPECT_LT(read.errorCode(), 1);

    TImageResult<TTiffInfo> info = lib.tiffInfo(file);
    ASSERT_TRUE(info) << info.errorText().toStdString();
    EXPECT_EQ(info->size, QSize(30, 20));
    EXPECT_EQ(info->pages, 2);
    EXPECT_EQ(info->compression, 5);
    EXPECT_EQ(info->compressionName, "LZW");

    QImageWriter plain(path("plain.tif"), "tiff");
    ASSERT_TRUE(plain.write(samplePicture()));
    info = lib.tiffInfo(path("plain.tif"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->compressionName, "NONE");
    EXPECT_EQ(info->pages, 1);
}

TEST(TiffCompressionNames, FollowTheTiffCodes)
{
    EXPECT_EQ(TImageLib::tiffCompressionName(1), "NONE");
    EXPECT_EQ(TImageLib::tiffCompressionName(2), "CCITT3");
    EXPECT_EQ(TImageLib::tiffCompressionName(3), "FAXCCITT3");
    EXPECT_EQ(TImageLib::tiffCompressionName(4), "FAXCCITT4");
    EXPECT_EQ(TImageLib::tiffCompressionName(5), "LZW");
    EXPECT_EQ(TImageLib::tiffCompressionName(32773), "PACKBITS");
    EXPECT_EQ(TImageLib::tiffCompressionName(7), "UNKNOWN");
}

TEST_F(ImageFiles, ProgressCallbackCanStopARead)
{
    const QString file = writeQt("stop.png", "png");
    TReadOptions options;
    QList<int> calls;
    options.progress = [&](int percent) {
        calls.append(percent);
        return 0;
    };
    const TImageLib::TRead stopped = lib.readPng(file, options);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(stopped.errorCode(), ImageError::Stopped);
    EXPECT_EQ(calls, QList<int>{0});

    options.progress = [&](int percent) {
        calls.append(percent);
        return 1;
    };
    calls.clear();
    EXPECT_TRUE(lib.readPng(file, options));
    EXPECT_EQ(calls, (QList<int>{0, 100}));
}

TEST_F(ImageFiles, FileInformationGivesSizeAndDepth)
{
    TImageResult<TImageInfo> info = lib.fileInfo(writeQt("i.png", "png"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size, QSize(40, 30));
    EXPECT_EQ(info->format, "PNG");
    EXPECT_TRUE(info->texts.contains("Width: 40"));
    info = lib.fileInfo(writeQt("i.bmp", "bmp"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->depth, 24);
    info = lib.fileInfo(writeMagick("i.pcx", "PCX"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size, QSize(40, 30));
    info = lib.fileInfo(path("none.png"));
    EXPECT_FALSE(info);
    EXPECT_EQ(info.errorCode(), ImageError::FileNotFound);
}

TEST_F(ImageFiles, DxfLinesAndCirclesAreDrawn)
{
    const QString file = writeBytes("plan.dxf", "0\nSECTION\n2\nENTITIES\n"
                                                "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n100\n21\n50\n"
                                                "0\nCIRCLE\n8\n0\n10\n50\n20\n25\n40\n10\n"
                                                "0\nENDSEC\n0\nEOF\n");
    const TImageResult<TDrawingInfo> info = lib.drawingInfo(file);
    ASSERT_TRUE(info) << info.errorText().toStdString();
    EXPECT_EQ(info->entities, 2);
    EXPECT_DOUBLE_EQ(info->maxX, 100);
    EXPECT_DOUBLE_EQ(info->maxY, 50);
    const TImageLib::TRead read = lib.readDxf(file, TReadOptions());
    ASSERT_TRUE(read);
    const TReadResult &result = *read;
    EXPECT_GE(result.image.width(), 640);
    // The drawing is black lines on white: some pixels are dark, the corners stay white.
    EXPECT_EQ(QColor(result.image.pixel(result.image.width() - 2, 1)), QColor(Qt::white));
    int dark = 0;
    for (int x = 0; x < result.image.width(); ++x)
        dark += qGray(result.image.pixel(x, result.image.height() / 2)) < 128;
    EXPECT_GT(dark, 0);
}

TEST_F(ImageFiles, DxfPolylineFlagsOutsideTheIntegerRangeCloseNothing)
{
    // A triangle drawn open: flags of 0 and flags no integer can hold must give the same picture,
    // and a set closing bit draws the third side.
    const auto polyline = [&](const char *flags) {
        const QByteArray bytes = QByteArray("0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n70\n") + flags +
                                 "\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n100\n0\nENDSEC\n0\nEOF\n";
        const TImageLib::TRead read = lib.readDxf(writeBytes("poly.dxf", bytes), TReadOptions());
        EXPECT_TRUE(read) << flags;
        return read ? read->image : QImage();
    };
    const QImage open = polyline("0");
    ASSERT_FALSE(open.isNull());
    EXPECT_EQ(polyline("1e300"), open);
    EXPECT_EQ(polyline("-1e300"), open);
    EXPECT_EQ(polyline("nan"), open);
    EXPECT_NE(polyline("1"), open);
}

TEST_F(ImageFiles, WebImagesAreTheFiveKindsAPageMayHold)
{
    for (const QString &file :
         {writeQt("w.PNG", "png"), writeQt("w.jpeg", "jpeg"), writeQt("w.bmp", "bmp")}) {
        const TImageLib::TRead read = lib.readWebImage(file, {});
        ASSERT_TRUE(read) << file.toStdString();
        EXPECT_EQ(read->image.size(), QSize(40, 30));
    }
    // A TIFF is a picture the binding reads, but not one a web page shows.
    EXPECT_EQ(lib.readWebImage(writeQt("w.tif", "tiff"), {}).errorCode(), ImageError::Unsupported);
    EXPECT_LT(lib.readWebImage(writeBytes("w.gif", "GIF89a"), {}).errorCode(), 1);
}

TEST_F(ImageFiles, TargaFilesOfBothVersionsAreRead)
{
    // GraphicsMagick writes the old layout; a version 2 file is the same with a closing footer.
    const QString old = writeMagick("old.tga", "TGA");
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    bytes.append(QByteArray(8, '\0')).append("TRUEVISION-XFILE.", 17).append('\0');
    const QString version2 = writeBytes("new.tga", bytes);
    for (const QString &file : {old, version2}) {
        const TImageLib::TRead read = lib.readTga(file, TReadOptions());
        ASSERT_TRUE(read) << file.toStdString();
        EXPECT_EQ(read->image.size(), QSize(40, 30));
        expectCornerColours(read->image, 0);
    }
}

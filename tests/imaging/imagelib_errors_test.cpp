#include "imagefiles.h"
#include "imagelib.h"

#include <QImageWriter>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

uint32_t crc32(const QByteArray &data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char ch : data) {
        crc ^= uint8_t(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG signature and header chunk (with a correct checksum) claiming the given size, and no
// pixel data: what a hostile file looks like to a reader that trusts the header.
QByteArray pngHeaderClaiming(uint32_t width, uint32_t height)
{
    QByteArray ihdr("IHDR");
    char fields[13] = {};
    qToBigEndian(width, fields);
    qToBigEndian(height, fields + 4);
    fields[8] = 8; // bit depth
    fields[9] = 2; // true colour
    ihdr.append(fields, 13);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    char length[4];
    qToBigEndian(uint32_t(13), length);
    png.append(length, 4).append(ihdr);
    char crc[4];
    qToBigEndian(crc32(ihdr), crc);
    return png.append(crc, 4);
}

QByteArray bmpHeaderClaiming(int32_t width, int32_t height)
{
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian(uint32_t(54), bmp.data() + 10);
    qToLittleEndian(uint32_t(40), bmp.data() + 14);
    qToLittleEndian(width, bmp.data() + 18);
    qToLittleEndian(height, bmp.data() + 22);
    qToLittleEndian(uint16_t(1), bmp.data() + 26);
    qToLittleEndian(uint16_t(24), bmp.data() + 28);
    return bmp;
}

QByteArray pcxHeaderClaiming(uint16_t width, uint16_t height)
{
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A; // manufacturer
    pcx[1] = 5;    // version
    pcx[2] = 1;    // run-length encoded
    pcx[3] = 8;    // bits per pixel per plane
    qToLittleEndian(uint16_t(width - 1), pcx.data() + 8);
    qToLittleEndian(uint16_t(height - 1), pcx.data() + 10);
    pcx[65] = 3; // planes
    qToLittleEndian(uint16_t(width), pcx.data() + 66);
    return pcx;
}

} // namespace

TEST_F(ImageFiles, MissingFilesAndUnknownKindsFailWithCodeAndText)
{
    const TImageLib::TRead bmp = lib.readBmp(path("missing.bmp"), TReadOptions());
    EXPECT_FALSE(bmp);
    EXPECT_EQ(bmp.errorCode(), ImageError::FileNotFound);
    EXPECT_EQ(bmp.errorText(), TImageLib::errorText(ImageError::FileNotFound));
    EXPECT_EQ(lib.lastErrorCode(), ImageError::FileNotFound);
    EXPECT_EQ(lib.lastErrorText(), TImageLib::errorText(ImageError::FileNotFound));
    EXPECT_EQ(lib.readPcx(path("missing.pcx"), TReadOptions()).errorCode(), ImageError::FileNotFound);

    const TImageLib::TRead unknown = lib.readByExtension(writeBytes("notes.xyz", "text"), TReadOptions());
    EXPECT_FALSE(unknown);
    EXPECT_EQ(unknown.errorCode(), ImageError::Unsupported);
    EXPECT_EQ(lib.lastErrorCode(), ImageError::Unsupported);
    EXPECT_FALSE(TImageLib::canRead("picture.wmf"));
    EXPECT_TRUE(TImageLib::canRead("PICTURE.Pcx"));
}

TEST_F(ImageFiles, DamagedAndTruncatedFilesAreRefusedForEveryReader)
{
    QFile good(writeQt("good.png", "png", samplePicture(200, 150)));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray png = good.readAll();
    QFile goodBmp(writeQt("good.bmp", "bmp", samplePicture(200, 150)));
    ASSERT_TRUE(goodBmp.open(QIODevice::ReadOnly));
    const QByteArray bmp = goodBmp.readAll();

    const QStringList files = {
        writeBytes("empty.jpg", ""),
        writeBytes("short.png", png.left(30)),
        writeBytes("cut.png", png.left(png.size() / 2)),
        writeBytes("cut.bmp", bmp.left(60)),
        writeBytes("garbage.gif", QByteArray(500, '\x55')),
        writeBytes("garbage.tif", "II*\0garbage that goes nowhere"),
        writeBytes("garbage.tga", QByteArray(18, '\xff')),
        writeBytes("text.pcx", "this is not a picture at all, only some words"),
        writeBytes("text.pcd", "neither is this one"),
        writeBytes("text.eps", "no postscript here"),
        writeBytes("text.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"),
        writeBytes("words.dxf", "hello\nworld\n"),
    };
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const TImageLib::TRead read = lib.readByExtension(file, TReadOptions());
        EXPECT_FALSE(read);
        EXPECT_LT(read.errorCode(), 1);
        EXPECT_FALSE(read.errorText().isEmpty());
        EXPECT_EQ(lib.lastErrorCode(), read.errorCode());
    }
    EXPECT_EQ(lib.readBmp(path("cut.bmp"), TReadOptions()).errorCode(), ImageError::Truncated);
}

TEST_F(ImageFiles, HugeClaimedDimensionsAreRefusedBeforeAllocating)
{
    const QStringList files = {
        writeBytes("huge.png", pngHeaderClaiming(100000, 100000)),
        writeBytes("wide.png", pngHeaderClaiming(2000000, 1)),
        writeBytes("huge.bmp", bmpHeaderClaiming(60000, 60000)),
        writeBytes("huge.pcx", pcxHeaderClaiming(60000, 60000)),
    };
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const TImageLib::TRead read = lib.readByExtension(file, TReadOptions());
        EXPECT_FALSE(read);
        EXPECT_LT(read.errorCode(), 1);
    }
    EXPECT_EQ(lib.readPcx(path("huge.pcx"), TReadOptions()).errorCode(), ImageError::TooLarge);
}

TEST_F(ImageFiles, TiffDirectoriesThatLoopOrPointOutsideTheFileEndTheScan)
{
    // One directory whose "next directory" offset points back at itself.
    QByteArray loop("II*\0\x08\0\0\0", 8);
    QByteArray dir(2 + 2 * 12 + 4, '\0');
    qToLittleEndian(uint16_t(2), dir.data());
    auto entry = [&](int i, uint16_t tag, uint16_t value) {
        char *e = dir.data() + 2 + i * 12;
        qToLittleEndian(tag, e);
        qToLittleEndian(uint16_t(3), e + 2);
        qToLittleEndian(uint32_t(1), e + 4);
        qToLittleEndian(value, e + 8);
    };
    entry(0, 256, 7);
    entry(1, 257, 9);
    qToLittleEndian(uint32_t(8), dir.data() + 2 + 24);
    loop.append(dir);
    const TImageResult<TTiffInfo> info = lib.tiffInfo(writeBytes("loop.tif", loop));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 1);
    EXPECT_EQ(info->size, QSize(7, 9));
    EXPECT_EQ(info->compressionName, "NONE");

    // The same directory without a size, followed by a chain that leads outside the file: the
    // damaged chain must not let a picture without a size pass as read.
    entry(0, 259, 1);
    entry(1, 259, 1);
    QByteArray sizeless("II*\0\x08\0\0\0", 8);
    qToLittleEndian(uint32_t(0xfff0), dir.data() + 2 + 24);
    sizeless.append(dir);
    EXPECT_EQ(lib.tiffInfo(writeBytes("sizeless.tif", sizeless)).errorCode(), ImageError::BadFile);
    qToLittleEndian(uint32_t(8), dir.data() + 2 + 24);
    sizeless = QByteArray("II*\0\x08\0\0\0", 8).append(dir);
    EXPECT_EQ(lib.tiffInfo(writeBytes("sizeless-loop.tif", sizeless)).errorCode(), ImageError::BadFile);

    QByteArray outside("II*\0\xff\xff\0\0", 8);
    EXPECT_EQ(lib.tiffInfo(writeBytes("outside.tif", outside)).errorCode(), ImageError::Truncated);
    EXPECT_EQ(lib.tiffInfo(writeBytes("png.tif", pngHeaderClaiming(5, 5))).errorCode(), ImageError::BadFile);
}

TEST_F(ImageFiles, MutatedTiffAndDxfFilesNeverCrashTheProgramsOwnParsers)
{
    // The TIFF directory scan and the DXF reader are this program's own code over outside bytes:
    // damage a good file at random places and they must answer, with a picture or an error.
    QImageWriter tiff(path("seed.tif"), "tiff");
    ASSERT_TRUE(tiff.write(samplePicture()));
    QFile seedTiff(path("seed.tif"));
    ASSERT_TRUE(seedTiff.open(QIODevice::ReadOnly));
    const QByteArray tiffBytes = seedTiff.readAll();
    const QByteArray dxfBytes = "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n10\n21\n5\n"
                                "0\nARC\n10\n5\n20\n5\n40\n3\n50\n0\n51\n270\n"
                                "0\nLWPOLYLINE\n70\n1\n10\n0\n20\n0\n10\n4\n20\n4\n0\nENDSEC\n0\nEOF\n";
    QRandomGenerator random(20261208);
    for (int round = 0; round < 300; ++round) {
        QByteArray t = tiffBytes, d = dxfBytes;
        for (int k = 0; k < 4; ++k) {
            t[random.bounded(int(t.size()))] = char(random.bounded(256));
            d[random.bounded(int(d.size()))] = "0123456789.-\nE "[random.bounded(15)];
        }
        if (round % 10 == 0)
            t.truncate(random.bounded(int(t.size())));
        const TImageResult<TTiffInfo> tiff = lib.tiffInfo(writeBytes("m.tif", t));
        EXPECT_TRUE(tiff || tiff.errorCode() < 1);
        const TImageLib::TRead dxf = lib.readDxf(writeBytes("m.dxf", d), TReadOptions());
        EXPECT_TRUE(dxf ? !dxf->image.isNull() : dxf.errorCode() < 1);
        if (dxf) {
            EXPECT_LE(dxf->image.width(), 700);
        }
    }
}

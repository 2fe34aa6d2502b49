#include "magickdecoder.h"

#include "imagelib.h"

#include <QFile>
#include <QFileInfo>

#include <Magick++.h>
#include <magick/resource.h>

#include <mutex>
#include <string>

namespace {

void initialiseMagick()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        // The same limits as for the Qt readers, so that a file claiming huge dimensions is
        // refused instead of exhausting memory or the disk cache.
        MagickLib::SetMagickResourceLimit(MagickLib::WidthResource, TImageLib::maxSide);
        MagickLib::SetMagickResourceLimit(MagickLib::HeightResource, TImageLib::maxSide);
        MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, TImageLib::maxPixels);
    });
}

std::string magickName(const char *format, const QString &fileName)
{
    return std::string(format) + ":" + QFile::encodeName(fileName).toStdString();
}

// A Photo CD image pack holds the picture at 192 x 128, 384 x 256 and 768 x 512; GraphicsMagick
// picks one by its sub-image number, 1 to 3.
unsigned pcdSubImage(TPcdSize size)
{
    switch (size) {
    case pcdBase16:
        return 1;
    case pcdBase4:
        return 2;
    case pcdBase:
        return 3;
    }
    return 2;
}

int16_t codeForException(const Magick::Exception &e)
{
    if (dynamic_cast<const Magick::ErrorResourceLimit *>(&e))
        return ImageError::TooLarge;
    if (dynamic_cast<const Magick::ErrorCorruptImage *>(&e))
        return ImageError::BadFile;
    if (dynamic_cast<const Magick::ErrorMissingDelegate *>(&e) ||
        dynamic_cast<const Magick::ErrorDelegate *>(&e))
        return ImageError::LibraryMissing;
    if (dynamic_cast<const Magick::ErrorBlob *>(&e) || dynamic_cast<const Magick::ErrorFileOpen *>(&e))
        return ImageError::CannotOpen;
    return ImageError::BadFile;
}

bool tooLarge(size_t columns, size_t rows)
{
    return columns == 0 || rows == 0 || columns > size_t(TImageLib::maxSide) ||
           rows > size_t(TImageLib::maxSide) || qint64(columns) * qint64(rows) > TImageLib::maxPixels;
}

} // namespace

TImageResult<QImage> TMagickDecoder::read(const QString &fileName, const char *magickFormat, TPcdSize pcdSize,
                                          const TProgressCallback &progress)
{
    if (!QFileInfo(fileName).isFile())
        return TImageError::of(ImageError::FileNotFound);
    initialiseMagick();
    try {
        Magick::Image picture;
        picture.quiet(true);
        if (qstrcmp(magickFormat, "PCD") == 0) {
            picture.subImage(pcdSubImage(pcdSize));
            picture.subRange(1);
        }
        // Look at the header first: a hostile file is refused before its pixels are allocated.
        picture.ping(magickName(magickFormat, fileName));
        if (tooLarge(picture.columns(), picture.rows())) {
            return TImageError::of(ImageError::TooLarge,
                                   QStringLiteral("%1 x %2").arg(picture.columns()).arg(picture.rows()));
        }
        if (progress && progress(0) == 0)
            return TImageError::of(ImageError::Stopped);
        picture.read(magickName(magickFormat, fileName));
        const int width = int(picture.columns());
        const int height = int(picture.rows());
        if (tooLarge(width, height))
            return TImageError::of(ImageError::TooLarge);
        QImage pixels(width, height, QImage::Format_RGBA8888);
        if (pixels.isNull())
            return TImageError::of(ImageError::OutOfMemory);
        // Rows of a QImage are 4-byte aligned, and RGBA rows are exactly width * 4 bytes.
        picture.write(0, 0, width, height, "RGBA", Magick::CharPixel, pixels.bits());
        if (progress && progress(100) == 0)
            return TImageError::of(ImageError::Stopped);
        return pixels.convertToFormat(picture.matte() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    } catch (const Magick::Warning &e) {
        return TImageError::of(ImageError::BadFile, QString::fromLocal8Bit(e.what()));
    } catch (const Magick::Exception &e) {
        return TImageError::of(codeForException(e), QString::fromLocal8Bit(e.what()));
    } catch (const std::bad_alloc &) {
        return TImageError::of(ImageError::OutOfMemory);
    } catch (const std::exception &e) {
        return TImageError::of(ImageError::BadFile, QString::fromLocal8Bit(e.what()));
    }
}

TImageResult<TImageInfo> TMagickDecoder::info(const QString &fileName, const char *magickFormat)
{
    if (!QFileInfo(fileName).isFile())
        return TImageError::of(ImageError::FileNotFound);
    initialiseMagick();
    try {
        Magick::Image picture;
        picture.quiet(true);
        picture.ping(magickName(magickFormat, fileName));
        if (tooLarge(picture.columns(), picture.rows()))
            return TImageError::of(ImageError::TooLarge);
        TImageInfo info;
        info.size = QSize(int(picture.columns()), int(picture.rows()));
        info.format = QString::fromLatin1(magickFormat);
        const int channels = picture.type() == Magick::GrayscaleType ? 1 : 3;
        info.depth = picture.type() == Magick::BilevelType ? 1 : int(picture.depth()) * channels;
        return info;
    } catch (const std::exception &) {
        return TImageError::of(ImageError::BadFile);
    }
}

bool TMagickDecoder::write(const QImage &image, const QString &fileName, const char *magickFormat)
{
    initialiseMagick();
    try {
        // Only pictures with transparency get an alpha channel, so an opaque GIF declares no
        // transparent colour. Both pixel layouts have rows without padding.
        const bool alpha = image.hasAlphaChannel();
        const QImage pixels = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        if (!alpha && pixels.bytesPerLine() != pixels.width() * 3)
            return false;
        Magick::Image picture(pixels.width(), pixels.height(), alpha ? "RGBA" : "RGB", Magick::CharPixel,
                              pixels.constBits());
        picture.quiet(true);
        picture.write(magickName(magickFormat, fileName));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

#include "qtdecoder.h"

#include "imagelib.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace {

// Qt refuses to allocate more than this for one picture, whatever the file claims; the
// dimension check below catches most hostile files earlier, this catches the rest.
constexpr int allocationLimitMb = 512;

bool tooLarge(const QSize &size)
{
    if (!size.isValid())
        return false;
    return size.width() > TImageLib::maxSide || size.height() > TImageLib::maxSide ||
           qint64(size.width()) * size.height() > TImageLib::maxPixels;
}

int16_t codeForReaderError(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return ImageError::FileNotFound;
    case QImageReader::DeviceError:
        return ImageError::CannotOpen;
    case QImageReader::UnsupportedFormatError:
        return ImageError::BadFile;
    case QImageReader::InvalidDataError:
        return ImageError::BadFile;
    default:
        return ImageError::BadFile;
    }
}

// Qt hands back whatever rows an uncompressed bitmap holds and fills the rest with black,
// so a file cut short in transfer would pass as a picture. Its size tells: the pixels must fit.
bool bmpIsCutShort(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 30 || !header.startsWith("BM"))
        return false;
    const quint32 dataOffset = qFromLittleEndian<quint32>(header.constData() + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(header.constData() + 14);
    if (headerSize < 40 || header.size() < 54)
        return false; // the old OS/2 header; Qt's own checks have to do
    const qint64 width = qFromLittleEndian<qint32>(header.constData() + 18);
    const qint64 height = std::abs(qint64(qFromLittleEndian<qint32>(header.constData() + 22)));
    const int bits = qFromLittleEndian<quint16>(header.constData() + 28);
    const quint32 compression = qFromLittleEndian<quint32>(header.constData() + 30);
    constexpr quint32 uncompressed = 0, bitFields = 3;
    if ((compression != uncompressed && compression != bitFields) || width <= 0 || bits <= 0)
        return false;
    const qint64 rowBytes = ((width * bits + 31) / 32) * 4;
    return file.size() < qint64(dataOffset) + rowBytes * height;
}

} // namespace

TImageResult<QImage> TQtDecoder::read(const QString &fileName, const QByteArray &format, int page,
                                      const TProgressCallback &progress)
{
    const QFileInfo fi(fileName);
    if (!fi.exists() || !fi.isFile())
        return TImageError::of(ImageError::FileNotFound);

    QImageReader reader(fileName, format);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(allocationLimitMb);
    if (!reader.canRead()) {
        if (reader.error() == QImageReader::DeviceError)
            return TImageError::of(ImageError::CannotOpen);
        // An empty or nearly empty file cannot even show its header.
        return TImageError::of(fi.size() < 16 ? ImageError::Truncated : ImageError::BadFile);
    }
    if (page > 1 && !reader.jumpToImage(page - 1)) {
        return TImageError::of(ImageError::BadFile, QStringLiteral("page %1").arg(page));
    }
    if (tooLarge(reader.size())) {
        return TImageError::of(
            ImageError::TooLarge,
            QStringLiteral("%1 x %2").arg(reader.size().width()).arg(reader.size().height()));
    }
    if (format == "bmp" && bmpIsCutShort(fileName))
        return TImageError::of(ImageError::Truncated);
    if (progress && progress(0) == 0)
        return TImageError::of(ImageError::Stopped);
    QImage image;
    if (!reader.read(&image))
        return TImageError::of(codeForReaderError(reader.error()), reader.errorString());
    if (image.isNull())
        return TImageError::of(ImageError::BadFile);
    if (progress && progress(100) == 0)
        return TImageError::of(ImageError::Stopped);
    return image;
}

TImageResult<TImageInfo> TQtDecoder::info(const QString &fileName)
{
    const QFileInfo fi(fileName);
    if (!fi.exists() || !fi.isFile())
        return TImageError::of(ImageError::FileNotFound);
    QImageReader reader(fileName);
    if (!reader.canRead())
        return TImageError::of(ImageError::BadFile);
    TImageInfo info;
    info.size = reader.size();
    info.format = QString::fromLatin1(reader.format()).toUpper();
    // Qt keeps 24-bit pictures in 32-bit pixels; the file itself holds 24.
    info.depth = reader.imageFormat() == QImage::Format_RGB32
                     ? 24
                     : QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    if (info.depth == 0) {
        // Some plug-ins cannot tell the pixel format without decoding; the size is enough to
        // refuse hostile files, so decode only pictures of a sane size.
        if (tooLarge(info.size))
            return TImageError::of(ImageError::TooLarge);
        reader.setAllocationLimit(allocationLimitMb);
        const QImage image = reader.read();
        if (image.isNull())
            return TImageError::of(ImageError::BadFile);
        info.size = image.size();
        info.depth = image.depth();
    }
    if (!info.size.isValid())
        return TImageError::of(ImageError::BadFile);
    return info;
}

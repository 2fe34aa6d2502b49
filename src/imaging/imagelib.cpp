#include "imagelib.h"

#include "dxfdrawing.h"
#include "magickdecoder.h"
#include "qtdecoder.h"
#include "tiffheader.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>

namespace {

// The sixteen colours of the standard VGA palette, used for the 0- and 4-bit depths.
const QList<QRgb> &vgaPalette()
{
    static const QList<QRgb> colours = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return colours;
}

// Brings a decoded picture to the depth the caller asked for.
QImage applyDepth(const QImage &image, int depth, TDither dither, const QList<QRgb> &palette)
{
    const Qt::ImageConversionFlags flags =
        dither == TDither::On ? Qt::DiffuseDither | Qt::DiffuseAlphaDither : Qt::ThresholdDither;
    switch (depth) {
    case 1:
        return image.convertToFormat(QImage::Format_Mono, flags);
    case 0:
    case 4:
        if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16)
            return image;
        return image.convertToFormat(QImage::Format_Indexed8, vgaPalette(), flags);
    case 8:
        if (!palette.isEmpty())
            return image.convertToFormat(QImage::Format_Indexed8, palette, flags);
        if (image.format() == QImage::Format_Indexed8)
            return image;
        return image.convertToFormat(QImage::Format_Indexed8, flags);
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

// Softens the picture by blending it with a 3 x 3 box blur; smoothing 100 is the full blur.
// It takes the edge off blocky sources (scans of printed pictures) before JPEG encoding.
QImage smooth(const QImage &source, int smoothing)
{
    if (smoothing <= 0 || source.width() < 3 || source.height() < 3)
        return source;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_RGB32);
    const int weight = qMin(smoothing, 100);
    for (int y = 0; y < image.height(); ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= image.height())
                    continue;
                const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(yy));
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx;
                    if (xx < 0 || xx >= image.width())
                        continue;
                    r += qRed(row[xx]);
                    g += qGreen(row[xx]);
                    b += qBlue(row[xx]);
                    ++n;
                }
            }
            const QRgb c = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
            auto mix = [&](int own, int sum) { return (own * (100 - weight) + sum / n * weight) / 100; };
            dst[x] = qRgb(mix(qRed(c), r), mix(qGreen(c), g), mix(qBlue(c), b));
        }
    }
    return out;
}

QString upperSuffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toUpper();
}

// The upper-case extensions that have a reader.
const QStringList &readableSuffixes()
{
    static const QStringList suffixes = {"BMP",  "GIF", "PNG", "JPG", "JPEG", "TIF",
                                         "TIFF", "TGA", "PCX", "EPS", "PCD",  "DXF"};
    return suffixes;
}

// Qt reads only Targa 2.0 files, which end with a signature; older files, which are the most
// common, go to GraphicsMagick.
bool isTarga2(const QString &fileName)
{
    QFile file(fileName);
    const QByteArray signature("TRUEVISION-XFILE.\0", 18);
    return file.open(QIODevice::ReadOnly) && file.size() > 44 && file.seek(file.size() - 18) &&
           file.read(18) == signature;
}

TImageResult<TDrawingInfo> readDrawingInfo(const QString &fileName)
{
    return TDxfDrawing::info(fileName);
}

TImageResult<TImageInfo> readFileInfo(const QString &fileName)
{
    const QString suffix = upperSuffix(fileName);
    TImageResult<TImageInfo> result = TImageInfo();
    if (suffix == "PCX" || suffix == "PCD" || suffix == "EPS") {
        result = TMagickDecoder::info(fileName, suffix.toLatin1().constData());
    } else if (suffix == "DXF") {
        const TImageResult<TDrawingInfo> drawing = readDrawingInfo(fileName);
        if (!drawing)
            return drawing.error();
        result->format = suffix;
        result->depth = 1;
        result->size = TDxfDrawing::pictureSize(*drawing);
    } else {
        result = TQtDecoder::info(fileName);
    }
    if (!result)
        return result;
    TImageInfo &info = result.value();
    info.texts = {QStringLiteral("Format: %1").arg(info.format),
                  QStringLiteral("Width: %1").arg(info.size.width()),
                  QStringLiteral("Height: %1").arg(info.size.height()),
                  QStringLiteral("Bits per pixel: %1").arg(info.depth)};
    return result;
}

TImageResult<TTiffInfo> readTiffInfo(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return TImageError::of(ImageError::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        return TImageError::of(ImageError::CannotOpen, file.errorString());
    // The directories of an ordinary TIFF file sit near its start or its end; reading the
    // whole file is simplest and files the program is offered are a few megabytes at most.
    constexpr qint64 maxHeaderRead = 256LL * 1024 * 1024;
    if (file.size() > maxHeaderRead)
        return TImageError::of(ImageError::TooLarge);
    TImageResult<TTiffInfo> result = TTiffHeader::parse(file.readAll());
    if (result)
        result->compressionName = TImageLib::tiffCompressionName(result->compression);
    return result;
}

} // namespace

// ---- last error ----

template <typename T> TImageResult<T> TImageLib::keep(TImageResult<T> result)
{
    if (!result)
        m_lastError = result.error();
    return result;
}

QString TImageLib::errorText(int16_t code)
{
    return TImageError::textFor(code);
}

// ---- readers ----

TImageLib::TRead TImageLib::finishRead(TImageResult<QImage> decoded, const TReadOptions &options) const
{
    if (!decoded)
        return decoded.error();
    const QImage &image = *decoded;
    TReadResult result;
    result.transparent = image.hasAlphaChannel();
    result.image = applyDepth(image, options.depth, options.dither, m_palette);
    if (result.image.isNull())
        return TImageError::of(ImageError::OutOfMemory);
    result.palette = result.image.colorTable();
    return result;
}

TImageLib::TRead TImageLib::readWithQt(const QString &fileName, const char *format,
                                       const TReadOptions &options) const
{
    const int page = qstrcmp(format, "tiff") == 0 ? qMax(1, options.tiffPage) : 1;
    return finishRead(TQtDecoder::read(fileName, format, page, options.progress), options);
}

TImageLib::TRead TImageLib::readWithMagick(const QString &fileName, const char *format,
                                           const TReadOptions &options) const
{
    return finishRead(TMagickDecoder::read(fileName, format, options.pcdSize, options.progress), options);
}

TImageLib::TRead TImageLib::decode(const QString &suffix, const QString &fileName,
                                   const TReadOptions &options) const
{
    if (suffix == QLatin1String("BMP"))
        return readWithQt(fileName, "bmp", options);
    if (suffix == QLatin1String("GIF"))
        return readWithQt(fileName, "gif", options);
    if (suffix == QLatin1String("PNG"))
        return readWithQt(fileName, "png", options);
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return readWithQt(fileName, "jpeg", options);
    if (suffix == QLatin1String("TIF") || suffix == QLatin1String("TIFF"))
        return readWithQt(fileName, "tiff", options);
    if (suffix == QLatin1String("TGA"))
        return isTarga2(fileName) ? readWithQt(fileName, "tga", options)
                                  : readWithMagick(fileName, "TGA", options);
    if (suffix == QLatin1String("PCX"))
        return readWithMagick(fileName, "PCX", options);
    if (suffix == QLatin1String("EPS"))
        return readWithMagick(fileName, "EPS", options);
    if (suffix == QLatin1String("PCD"))
        return readWithMagick(fileName, "PCD", options);
    if (suffix == QLatin1String("DXF"))
        return finishRead(TDxfDrawing::render(fileName), options);
    return TImageError::of(ImageError::Unsupported, QFileInfo(fileName).suffix());
}

TImageLib::TRead TImageLib::readBmp(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("BMP"), fileName, options));
}

TImageLib::TRead TImageLib::readGif(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("GIF"), fileName, options));
}

TImageLib::TRead TImageLib::readPng(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("PNG"), fileName, options));
}

TImageLib::TRead TImageLib::readJpeg(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("JPG"), fileName, options));
}

TImageLib::TRead TImageLib::readTiff(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("TIF"), fileName, options));
}

TImageLib::TRead TImageLib::readPcx(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("PCX"), fileName, options));
}

TImageLib::TRead TImageLib::readEps(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("EPS"), fileName, options));
}

TImageLib::TRead TImageLib::readPcd(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("PCD"), fileName, options));
}

TImageLib::TRead TImageLib::readTga(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("TGA"), fileName, options));
}

TImageLib::TRead TImageLib::readDxf(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(QStringLiteral("DXF"), fileName, options));
}

TImageLib::TRead TImageLib::readByExtension(const QString &fileName, const TReadOptions &options)
{
    return keep(decode(upperSuffix(fileName), fileName, options));
}

TImageLib::TRead TImageLib::webImage(const QString &fileName, const TProgressCallback &progress) const
{
    const QString suffix = upperSuffix(fileName);
    static const QStringList webKinds = {"BMP", "GIF", "PNG", "JPG", "JPEG"};
    if (!webKinds.contains(suffix))
        return TImageError::of(ImageError::Unsupported, QFileInfo(fileName).suffix());
    TReadOptions options;
    options.depth = screenDepth();
    options.dither = TDither::On;
    options.progress = progress;
    TRead read = decode(suffix, fileName, options);
    if (read || suffix != QLatin1String("BMP") || read.errorCode() == ImageError::Stopped)
        return read;
    // Some bitmaps (OS/2 headers, odd bit depths) are read by the platform's loader only. The
    // size is checked first so that this path refuses hostile files as the decoder does.
    const TImageResult<TImageInfo> info = readFileInfo(fileName);
    if (!info || info->size.width() > maxSide || info->size.height() > maxSide ||
        qint64(info->size.width()) * info->size.height() > maxPixels)
        return read;
    QImage image;
    if (!image.load(fileName))
        return read;
    TReadResult result;
    result.image = applyDepth(image, options.depth, options.dither, m_palette);
    result.palette = result.image.colorTable();
    return result;
}

TImageLib::TRead TImageLib::readWebImage(const QString &fileName, const TProgressCallback &progress)
{
    return keep(webImage(fileName, progress));
}

bool TImageLib::canRead(const QString &fileName)
{
    return readableSuffixes().contains(upperSuffix(fileName));
}

// ---- writer ----

TImageStatus TImageLib::jpegFile(const QString &fileName, const QImage &image, int quality, int smoothing,
                                 int depth) const
{
    if (image.isNull())
        return TImageError::of(ImageError::NoPicture);
    // JPEG has no transparency: transparent parts become white, as they look on a page.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    flat = smooth(flat, smoothing);
    if (depth == 1)
        flat = flat.convertToFormat(QImage::Format_Grayscale8);

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return TImageError::of(ImageError::CannotWrite, file.errorString());
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(qBound(1, quality, 100));
    if (!writer.write(flat)) {
        file.cancelWriting();
        return TImageError::of(ImageError::CannotWrite, writer.errorString());
    }
    if (!file.commit())
        return TImageError::of(ImageError::CannotWrite, file.errorString());
    return TImageStatus();
}

TImageStatus TImageLib::writeJpeg(const QString &fileName, const QImage &image, int quality, int smoothing,
                                  int depth)
{
    return keep(jpegFile(fileName, image, quality, smoothing, depth));
}

TImageStatus TImageLib::convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality)
{
    TReadOptions options;
    options.depth = 24;
    const TRead picture = decode(upperSuffix(sourceFile), sourceFile, options);
    if (!picture)
        return keep(TImageStatus(picture.error()));
    return keep(this->jpegFile(jpegFile, picture->image, quality, 0, 24));
}

// ---- information ----

TImageResult<TImageInfo> TImageLib::fileInfo(const QString &fileName)
{
    return keep(readFileInfo(fileName));
}

TImageResult<TTiffInfo> TImageLib::tiffInfo(const QString &fileName)
{
    return keep(readTiffInfo(fileName));
}

TImageResult<TDrawingInfo> TImageLib::drawingInfo(const QString &fileName)
{
    return keep(readDrawingInfo(fileName));
}

QString TImageLib::tiffCompressionName(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("NONE");
    case 2:
        return QStringLiteral("CCITT3");
    case 3:
        return QStringLiteral("FAXCCITT3");
    case 4:
        return QStringLiteral("FAXCCITT4");
    case 5:
        return QStringLiteral("LZW");
    case 32773:
        return QStringLiteral("PACKBITS");
    default:
        return QStringLiteral("UNKNOWN");
    }
}

// ---- colour depths ----

int TImageLib::depthForScreenBits(int bitsPerPixel)
{
    if (bitsPerPixel < 5)
        return 4;
    if (bitsPerPixel >= 16)
        return 24;
    return 8;
}

int TImageLib::screenDepth()
{
    // Without a screen (the command-line tool) pictures are read in full colour.
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return depthForScreenBits(screen ? screen->depth() : 32);
}

int TImageLib::readDepthBits(TReadDepth depth)
{
    switch (depth) {
    case rdVga:
        return 0;
    case rdMono:
        return 1;
    case rd16:
        return 4;
    case rd256:
        return 8;
    case rdTrue:
        return 24;
    case rdAuto:
        return screenDepth();
    }
    return screenDepth();
}

int TImageLib::depthForFormat(const QString &format, TWriteDepth depth)
{
    const QString f = format.toLower();
    if (f == QLatin1String("jpg"))
        return depth == wdMono || depth == wdJpegGray ? 1 : 24;
    if (f == QLatin1String("tga")) {
        // Targa files hold no 1- or 4-bit pictures, so the small depths become 8.
        const int bits = depth == wdTrue ? 24 : depth == wdAuto ? screenDepth() : 8;
        return qMax(8, bits);
    }
    if (f == QLatin1String("gif")) {
        switch (depth) {
        case wdVga:
            return 0;
        case wdMono:
            return 1;
        case wd16:
            return 4;
        case wd256:
            return 8;
        case wdTrue:
            return 24;
        case wdJpegGray:
            return 8;
        case wdAuto:
            return screenDepth();
        }
    }
    switch (depth) {
    case wdVga:
        return 0;
    case wdMono:
        return 1;
    case wd16:
        return 4;
    case wdAuto:
        return qMin(8, screenDepth());
    default:
        return 8;
    }
}

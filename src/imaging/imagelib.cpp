#include "imagelib.h"

#include "dxfdrawing.h"
#include "magickdecoder.h"
#include "qtdecoder.h"
#include "tiffheader.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>

namespace {

struct BindingState {
    QMutex mutex;
    int16_t code = ImageError::Ok;
    QString text;
    QList<QRgb> palette;
};

BindingState &state()
{
    static BindingState s;
    return s;
}

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
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
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

using Reader = bool (*)(const QString &, const TReadOptions &, TReadResult &);

Reader readerFor(const QString &suffix)
{
    static const QHash<QString, Reader> readers = {
        {"BMP", &TImageLib::readBmp},  {"GIF", &TImageLib::readGif},
        {"PNG", &TImageLib::readPng},  {"JPG", &TImageLib::readJpeg},
        {"JPEG", &TImageLib::readJpeg}, {"TIF", &TImageLib::readTiff},
        {"TIFF", &TImageLib::readTiff}, {"TGA", &TImageLib::readTga},
        {"PCX", &TImageLib::readPcx},  {"EPS", &TImageLib::readEps},
        {"PCD", &TImageLib::readPcd},  {"DXF", &TImageLib::readDxf}};
    return readers.value(suffix, nullptr);
}

} // namespace

// ---- error state ----

bool TImageLib::fail(int16_t code, const QString &detail)
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    s.code = code;
    s.text = detail.isEmpty() ? errorText(code) : errorText(code) + QStringLiteral(" (") + detail + QLatin1Char(')');
    return false;
}

int16_t TImageLib::lastErrorCode()
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.code;
}

QString TImageLib::lastErrorText()
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.text;
}

QString TImageLib::errorText(int16_t code)
{
    switch (code) {
    case ImageError::Stopped: return QStringLiteral("Reading the picture was stopped");
    case ImageError::FileNotFound: return QStringLiteral("The picture file was not found");
    case ImageError::CannotOpen: return QStringLiteral("The picture file cannot be opened");
    case ImageError::BadFile: return QStringLiteral("The file is not a picture of this kind, or it is damaged");
    case ImageError::Truncated: return QStringLiteral("The picture file ends too early");
    case ImageError::TooLarge: return QStringLiteral("The picture is too large to be read");
    case ImageError::OutOfMemory: return QStringLiteral("There is not enough memory for the picture");
    case ImageError::CannotWrite: return QStringLiteral("The picture file cannot be written");
    case ImageError::NoPicture: return QStringLiteral("There is no picture to save");
    case ImageError::Unsupported: return QStringLiteral("Pictures of this kind cannot be read");
    case ImageError::LibraryMissing: return QStringLiteral("The program that reads pictures of this kind is missing");
    default: return code > 0 ? QString() : QStringLiteral("Unknown picture error %1").arg(code);
    }
}

// ---- readers ----

namespace {

bool finishRead(int16_t code, const QString &detail, QImage image, const TReadOptions &options,
                TReadResult &result, bool (*failWith)(int16_t, const QString &))
{
    if (code < ImageError::Ok) {
        result = TReadResult();
        return failWith(code, detail);
    }
    result.transparent = image.hasAlphaChannel();
    result.image = applyDepth(image, options.depth, options.dither, TImageLib::palette());
    result.palette = result.image.colorTable();
    if (result.image.isNull()) {
        result = TReadResult();
        return failWith(ImageError::OutOfMemory, QString());
    }
    return true;
}

} // namespace

#define ZV_QT_READER(name, format)                                                           \
    bool TImageLib::name(const QString &fileName, const TReadOptions &options, TReadResult &result) \
    {                                                                                        \
        QImage image;                                                                        \
        QString detail;                                                                      \
        const int16_t code = TQtDecoder::read(fileName, format, 1, options.progress, image, detail); \
        return finishRead(code, detail, image, options, result, &TImageLib::fail);           \
    }

#define ZV_MAGICK_READER(name, format)                                                       \
    bool TImageLib::name(const QString &fileName, const TReadOptions &options, TReadResult &result) \
    {                                                                                        \
        QImage image;                                                                        \
        QString detail;                                                                      \
        const int16_t code = TMagickDecoder::read(fileName, format, options.pcdSize,          \
                                                  options.progress, image, detail);          \
        return finishRead(code, detail, image, options, result, &TImageLib::fail);           \
    }

ZV_QT_READER(readBmp, "bmp")
ZV_QT_READER(readGif, "gif")
ZV_QT_READER(readPng, "png")
ZV_QT_READER(readJpeg, "jpeg")
ZV_MAGICK_READER(readPcx, "PCX")
ZV_MAGICK_READER(readEps, "EPS")
ZV_MAGICK_READER(readPcd, "PCD")

bool TImageLib::readTga(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    QImage image;
    QString detail;
    int16_t code = TQtDecoder::read(fileName, "tga", 1, options.progress, image, detail);
    // Qt reads only Targa 2.0 files (those with the closing signature); older files, which are
    // the most common, go to GraphicsMagick.
    if (code == ImageError::BadFile) {
        detail.clear();
        code = TMagickDecoder::read(fileName, "TGA", options.pcdSize, options.progress, image, detail);
    }
    return finishRead(code, detail, image, options, result, &TImageLib::fail);
}

bool TImageLib::readTiff(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    QImage image;
    QString detail;
    const int16_t code =
        TQtDecoder::read(fileName, "tiff", qMax(1, options.tiffPage), options.progress, image, detail);
    return finishRead(code, detail, image, options, result, &TImageLib::fail);
}

bool TImageLib::readDxf(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    QImage image;
    QString detail;
    const int16_t code = TDxfDrawing::render(fileName, image, detail);
    return finishRead(code, detail, image, options, result, &TImageLib::fail);
}

bool TImageLib::readByExtension(const QString &fileName, const TReadOptions &options,
                                TReadResult &result)
{
    const Reader reader = readerFor(upperSuffix(fileName));
    if (!reader) {
        result = TReadResult();
        return fail(ImageError::Unsupported, QFileInfo(fileName).suffix());
    }
    return reader(fileName, options, result);
}

bool TImageLib::canRead(const QString &fileName)
{
    return readerFor(upperSuffix(fileName)) != nullptr;
}

// ---- writer ----

bool TImageLib::writeJpeg(const QString &fileName, const QImage &image, int quality, int smoothing,
                          int depth)
{
    if (image.isNull())
        return fail(ImageError::NoPicture);
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
        return fail(ImageError::CannotWrite, file.errorString());
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(qBound(1, quality, 100));
    if (!writer.write(flat)) {
        file.cancelWriting();
        return fail(ImageError::CannotWrite, writer.errorString());
    }
    if (!file.commit())
        return fail(ImageError::CannotWrite, file.errorString());
    return true;
}

bool TImageLib::convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality)
{
    TReadOptions options;
    options.depth = 24;
    TReadResult picture;
    if (!readByExtension(sourceFile, options, picture))
        return false;
    return writeJpeg(jpegFile, picture.image, quality, 0, 24);
}

// ---- information ----

bool TImageLib::fileInfo(const QString &fileName, TImageInfo &info)
{
    info = TImageInfo();
    const QString suffix = upperSuffix(fileName);
    int16_t code = ImageError::Ok;
    if (suffix == "PCX" || suffix == "PCD" || suffix == "EPS") {
        code = TMagickDecoder::info(fileName, suffix.toLatin1().constData(), info);
    } else if (suffix == "DXF") {
        TDrawingInfo drawing;
        if (!drawingInfo(fileName, drawing))
            return false;
        info.format = suffix;
        info.depth = 1;
        info.size = TDxfDrawing::pictureSize(drawing);
    } else {
        code = TQtDecoder::info(fileName, info);
    }
    if (code < ImageError::Ok)
        return fail(code);
    info.texts = {QStringLiteral("Format: %1").arg(info.format),
                  QStringLiteral("Width: %1").arg(info.size.width()),
                  QStringLiteral("Height: %1").arg(info.size.height()),
                  QStringLiteral("Bits per pixel: %1").arg(info.depth)};
    return true;
}

bool TImageLib::tiffInfo(const QString &fileName, TTiffInfo &info)
{
    info = TTiffInfo();
    QFile file(fileName);
    if (!file.exists())
        return fail(ImageError::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        return fail(ImageError::CannotOpen, file.errorString());
    // The directories of an ordinary TIFF file sit near its start or its end; reading the
    // whole file is simplest and files the program is offered are a few megabytes at most.
    constexpr qint64 maxHeaderRead = 256LL * 1024 * 1024;
    if (file.size() > maxHeaderRead)
        return fail(ImageError::TooLarge);
    const int16_t code = TTiffHeader::parse(file.readAll(), info);
    if (code < ImageError::Ok)
        return fail(code);
    info.compressionName = tiffCompressionName(info.compression);
    return true;
}

bool TImageLib::drawingInfo(const QString &fileName, TDrawingInfo &info)
{
    QString detail;
    const int16_t code = TDxfDrawing::info(fileName, info, detail);
    return code < ImageError::Ok ? fail(code, detail) : true;
}

QString TImageLib::tiffCompressionName(int code)
{
    switch (code) {
    case 1: return QStringLiteral("NONE");
    case 2: return QStringLiteral("CCITT3");
    case 3: return QStringLiteral("FAXCCITT3");
    case 4: return QStringLiteral("FAXCCITT4");
    case 5: return QStringLiteral("LZW");
    case 32773: return QStringLiteral("PACKBITS");
    default: return QStringLiteral("UNKNOWN");
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
        ? QGuiApplication::primaryScreen() : nullptr;
    return depthForScreenBits(screen ? screen->depth() : 32);
}

int TImageLib::readDepthBits(TReadDepth depth)
{
    switch (depth) {
    case rdVga: return 0;
    case rdMono: return 1;
    case rd16: return 4;
    case rd256: return 8;
    case rdTrue: return 24;
    case rdAuto: return screenDepth();
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
        case wdVga: return 0;
        case wdMono: return 1;
        case wd16: return 4;
        case wd256: return 8;
        case wdTrue: return 24;
        case wdJpegGray: return 8;
        case wdAuto: return screenDepth();
        }
    }
    switch (depth) {
    case wdVga: return 0;
    case wdMono: return 1;
    case wd16: return 4;
    case wdAuto: return qMin(8, screenDepth());
    default: return 8;
    }
}

void TImageLib::setPalette(const QList<QRgb> &palette)
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    s.palette = palette;
}

QList<QRgb> TImageLib::palette()
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.palette;
}

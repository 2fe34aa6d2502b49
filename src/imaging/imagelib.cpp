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

using Reader = bool (*)(const QString &, const TReadOptions &, TReadResult &);

Reader readerFor(const QString &suffix)
{
    static const QHash<QString, Reader> readers = {
        {"BMP", &TImageLib::readBmp},   {"GIF", &TImageLib::readGif},   {"PNG", &TImageLib::readPng},
        {"JPG", &TImageLib::readJpeg},  {"JPEG", &TImageLib::readJpeg}, {"TIF", &TImageLib::readTiff},
        {"TIFF", &TImageLib::readTiff}, {"TGA", &TImageLib::readTga},   {"PCX", &TImageLib::readPcx},
        {"EPS", &TImageLib::readEps},   {"PCD", &TImageLib::readPcd},   {"DXF", &TImageLib::readDxf}};
    return readers.value(suffix, nullptr);
}

} // namespace

// ---- error state ----

bool TImageLib::fail(int16_t code, const QString &detail)
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    s.code = code;
    s.text = detail.isEmpty() ? errorText(code)
                              : errorText(code) + QStringLiteral(" (") + detail + QLatin1Char(')');
    return false;
}

void TImageLib::clearError()
{
    BindingState &s = state();
    QMutexLocker lock(&s.mutex);
    s.code = ImageError::Ok;
    s.text.clear();
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
    static const QHash<int16_t, QString> texts = {
        {ImageError::Stopped, QStringLiteral("Reading the picture was stopped")},
        {ImageError::FileNotFound, QStringLiteral("The picture file was not found")},
        {ImageError::CannotOpen, QStringLiteral("The picture file cannot be opened")},
        {ImageError::BadFile, QStringLiteral("The file is not a picture of this kind, or it is damaged")},
        {ImageError::Truncated, QStringLiteral("The picture file ends too early")},
        {ImageError::TooLarge, QStringLiteral("The picture is too large to be read")},
        {ImageError::OutOfMemory, QStringLiteral("There is not enough memory for the picture")},
        {ImageError::CannotWrite, QStringLiteral("The picture file cannot be written")},
        {ImageError::NoPicture, QStringLiteral("There is no picture to save")},
        {ImageError::Unsupported, QStringLiteral("Pictures of this kind cannot be read")},
        {ImageError::LibraryMissing,
         QStringLiteral("The program that reads pictures of this kind is missing")},
    };
    if (code > 0)
        return QString();
    return texts.value(code, QStringLiteral("Unknown picture error %1").arg(code));
}

// ---- readers ----

bool TImageLib::finishRead(int16_t code, const QString &detail, const QImage &image,
                           const TReadOptions &options, TReadResult &result)
{
    result = TReadResult();
    if (code < ImageError::Ok)
        return fail(code, detail);
    result.transparent = image.hasAlphaChannel();
    result.image = applyDepth(image, options.depth, options.dither, palette());
    result.palette = result.image.colorTable();
    if (result.image.isNull()) {
        result = TReadResult();
        return fail(ImageError::OutOfMemory);
    }
    return true;
}

bool TImageLib::readWithQt(const QString &fileName, const char *format, const TReadOptions &options,
                           TReadResult &result)
{
    QImage image;
    QString detail;
    const int page = qstrcmp(format, "tiff") == 0 ? qMax(1, options.tiffPage) : 1;
    const int16_t code = TQtDecoder::read(fileName, format, page, options.progress, image, detail);
    return finishRead(code, detail, image, options, result);
}

bool TImageLib::readWithMagick(const QString &fileName, const char *format, const TReadOptions &options,
                               TReadResult &result)
{
    QImage image;
    QString detail;
    const int16_t code =
        TMagickDecoder::read(fileName, format, options.pcdSize, options.progress, image, detail);
    return finishRead(code, detail, image, options, result);
}

bool TImageLib::readBmp(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithQt(fileName, "bmp", options, result);
}

bool TImageLib::readGif(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithQt(fileName, "gif", options, result);
}

bool TImageLib::readPng(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithQt(fileName, "png", options, result);
}

bool TImageLib::readJpeg(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithQt(fileName, "jpeg", options, result);
}

bool TImageLib::readTiff(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithQt(fileName, "tiff", options, result);
}

bool TImageLib::readPcx(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithMagick(fileName, "PCX", options, result);
}

bool TImageLib::readEps(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithMagick(fileName, "EPS", options, result);
}

bool TImageLib::readPcd(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    return readWithMagick(fileName, "PCD", options, result);
}

bool TImageLib::readTga(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    // Qt reads only Targa 2.0 files, which end with a signature; older files, which are the
    // most common, go to GraphicsMagick.
    QFile file(fileName);
    const QByteArray signature("TRUEVISION-XFILE.\0", 18);
    const bool targa2 = file.open(QIODevice::ReadOnly) && file.size() > 44 && file.seek(file.size() - 18) &&
                        file.read(18) == signature;
    return targa2 ? readWithQt(fileName, "tga", options, result)
                  : readWithMagick(fileName, "TGA", options, result);
}

bool TImageLib::readDxf(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    QImage image;
    QString detail;
    const int16_t code = TDxfDrawing::render(fileName, image, detail);
    return finishRead(code, detail, image, options, result);
}

bool TImageLib::readByExtension(const QString &fileName, const TReadOptions &options, TReadResult &result)
{
    const Reader reader = readerFor(upperSuffix(fileName));
    if (!reader) {
        result = TReadResult();
        return fail(ImageError::Unsupported, QFileInfo(fileName).suffix());
    }
    return reader(fileName, options, result);
}

bool TImageLib::readWebImage(const QString &fileName, const TProgressCallback &progress, TReadResult &result)
{
    const QString suffix = upperSuffix(fileName);
    static const QStringList webKinds = {"BMP", "GIF", "PNG", "JPG", "JPEG"};
    if (!webKinds.contains(suffix)) {
        result = TReadResult();
        return fail(ImageError::Unsupported, QFileInfo(fileName).suffix());
    }
    TReadOptions options;
    options.depth = screenDepth();
    options.dither = TDither::On;
    options.progress = progress;
    if (readByExtension(fileName, options, result))
        return true;
    if (suffix != QLatin1String("BMP") || lastErrorCode() == ImageError::Stopped)
        return false;
    // Some bitmaps (OS/2 headers, odd bit depths) are read by the platform's loader only. The
    // size is checked first so that this path refuses hostile files as the decoder does.
    TImageInfo info;
    if (!fileInfo(fileName, info) || info.size.width() > maxSide || info.size.height() > maxSide ||
        qint64(info.size.width()) * info.size.height() > maxPixels)
        return false;
    QImage image;
    if (!image.load(fileName))
        return false;
    clearError();
    result = TReadResult();
    result.image = applyDepth(image, options.depth, options.dither, palette());
    result.palette = result.image.colorTable();
    return true;
}

bool TImageLib::canRead(const QString &fileName)
{
    return readerFor(upperSuffix(fileName)) != nullptr;
}

// ---- writer ----

bool TImageLib::writeJpeg(const QString &fileName, const QImage &image, int quality, int smoothing, int depth)
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

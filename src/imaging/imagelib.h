#pragma once

#include "imageresult.h"
#include "imagetypes.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <cstdint>

// The binding to the image decoders and the JPEG encoder. Every reader, writer and information
// call returns its result together with its error (TImageResult), and the object also keeps the
// last error it met, which lastErrorCode() and lastErrorText() give back until its next failure.
// That error and the palette belong to the object: each user of the binding (and each thread)
// has its own, so no call can see another's error. One object is used by one thread at a time.
// Nothing here throws, shows a dialog or needs widgets; files that are damaged or claim huge
// dimensions are refused before any large allocation.
class TImageLib {
public:
    using TRead = TImageResult<TReadResult>;

    // ---- readers ----
    TRead readBmp(const QString &fileName, const TReadOptions &options);
    TRead readGif(const QString &fileName, const TReadOptions &options);
    TRead readPng(const QString &fileName, const TReadOptions &options);
    TRead readJpeg(const QString &fileName, const TReadOptions &options);
    TRead readPcx(const QString &fileName, const TReadOptions &options);
    TRead readTga(const QString &fileName, const TReadOptions &options);
    TRead readEps(const QString &fileName, const TReadOptions &options);
    TRead readPcd(const QString &fileName, const TReadOptions &options);
    TRead readTiff(const QString &fileName, const TReadOptions &options);
    TRead readDxf(const QString &fileName, const TReadOptions &options);

    // Picks the reader by the file's extension, compared without regard to case (".jpeg" reads
    // as JPEG, ".tif" and ".tiff" as TIFF). An extension without a reader fails with Unsupported.
    TRead readByExtension(const QString &fileName, const TReadOptions &options);
    // Reads an image of a web page for the HTML viewer: only ".bmp", ".gif", ".png", ".jpg" and
    // ".jpeg" (any case), at the screen depth with dithering; a bitmap the decoder refuses gets a
    // second chance with the platform's own loader.
    TRead readWebImage(const QString &fileName, const TProgressCallback &progress);
    // Whether readByExtension has a reader for the file's extension.
    static bool canRead(const QString &fileName);

    // ---- writer ----
    // Writes the picture as a baseline JPEG file. quality is 1..100; smoothing (0..100) softens
    // blocky sources before encoding; depth 1 writes grey levels, anything else full colour.
    TImageStatus writeJpeg(const QString &fileName, const QImage &image, int quality, int smoothing,
                           int depth);

    // Reads any picture the binding knows and writes it as a JPEG file in one call: the way a
    // picked picture is made fit for a web page. Fails with the error of whichever step failed.
    TImageStatus convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality = 100);

    // ---- information ----
    TImageResult<TImageInfo> fileInfo(const QString &fileName);
    TImageResult<TTiffInfo> tiffInfo(const QString &fileName);
    TImageResult<TDrawingInfo> drawingInfo(const QString &fileName);
    // 1 "NONE", 2 "CCITT3", 3 "FAXCCITT3", 4 "FAXCCITT4", 5 "LZW", 32773 "PACKBITS", else "UNKNOWN".
    static QString tiffCompressionName(int code);

    // ---- colour depths ----
    // The screen's depth as the readers want it: 4 below 5 bits, 24 from 16 bits, else 8.
    static int screenDepth();
    static int depthForScreenBits(int bitsPerPixel);
    // 0, 1, 4, 8, 24 for rdVga .. rdTrue, the screen depth for rdAuto.
    static int readDepthBits(TReadDepth depth);
    // The bits a writer of the format ("jpg", "tga", "gif", others) is asked for.
    static int depthForFormat(const QString &format, TWriteDepth depth);

    // The palette offered to this object's readers for 8-bit pictures; empty means each picture
    // gets its own.
    void setPalette(const QList<QRgb> &palette) { m_palette = palette; }
    QList<QRgb> palette() const { return m_palette; }

    // ---- last error ----
    // The last failure of a call on this object: ImageError::Ok and an empty text before the first.
    int16_t lastErrorCode() const { return m_lastError.code; }
    QString lastErrorText() const { return m_lastError.text; }
    // The decoder's own message for an error code.
    static QString errorText(int16_t code);

    // Pictures with more pixels than this, or wider or taller than maxSide, are refused.
    static constexpr qint64 maxPixels = 64LL * 1024 * 1024;
    static constexpr int maxSide = 32768;

private:
    // Every public call hands its result through here, so that a failure becomes the last error.
    template <typename T> TImageResult<T> keep(TImageResult<T> result);
    // The reader of an upper-case extension, without touching the last error.
    TRead decode(const QString &suffix, const QString &fileName, const TReadOptions &options) const;
    TRead readWithQt(const QString &fileName, const char *format, const TReadOptions &options) const;
    TRead readWithMagick(const QString &fileName, const char *format, const TReadOptions &options) const;
    // Turns a decoder's result into the reader's: the picture at the asked depth, or the error.
    TRead finishRead(TImageResult<QImage> decoded, const TReadOptions &options) const;
    TRead webImage(const QString &fileName, const TProgressCallback &progress) const;
    TImageStatus jpegFile(const QString &fileName, const QImage &image, int quality, int smoothing,
                          int depth) const;

    TImageError m_lastError;
    QList<QRgb> m_palette;
};

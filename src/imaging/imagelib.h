#pragma once

#include "imagetypes.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <cstdint>

// The one binding to the image decoders and the JPEG encoder. Every reader returns true and
// fills its result, or returns false after storing an error code (0 or less) and its text, which
// lastErrorCode() and lastErrorText() give back until the next failure. The state is shared by
// the whole process. Nothing here throws, shows a dialog or needs widgets; files that are damaged
// or claim huge dimensions are refused before any large allocation.
class TImageLib {
public:
    TImageLib() = delete;

    // ---- readers ----
    static bool readBmp(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readGif(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readPng(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readJpeg(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readPcx(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readTga(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readEps(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readPcd(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readTiff(const QString &fileName, const TReadOptions &options, TReadResult &result);
    static bool readDxf(const QString &fileName, const TReadOptions &options, TReadResult &result);

    // Picks the reader by the file's extension, compared without regard to case (".jpeg" reads
    // as JPEG, ".tif" and ".tiff" as TIFF). An extension without a reader fails with Unsupported.
    static bool readByExtension(const QString &fileName, const TReadOptions &options, TReadResult &result);
    // Reads an image of a web page for the HTML viewer: only ".bmp", ".gif", ".png", ".jpg" and
    // ".jpeg" (any case), at the screen depth with dithering; a bitmap the decoder refuses gets a
    // second chance with the platform's own loader.
    static bool readWebImage(const QString &fileName, const TProgressCallback &progress, TReadResult &result);
    // Whether readByExtension has a reader for the file's extension.
    static bool canRead(const QString &fileName);

    // ---- writer ----
    // Writes the picture as a baseline JPEG file. quality is 1..100; smoothing (0..100) softens
    // blocky sources before encoding; depth 1 writes grey levels, anything else full colour.
    static bool writeJpeg(const QString &fileName, const QImage &image, int quality, int smoothing,
                          int depth);

    // Reads any picture the binding knows and writes it as a JPEG file in one call: the way a
    // picked picture is made fit for a web page. Fails with the error of whichever step failed.
    static bool convertToJpeg(const QString &sourceFile, const QString &jpegFile, int quality = 100);

    // ---- information ----
    static bool fileInfo(const QString &fileName, TImageInfo &info);
    static bool tiffInfo(const QString &fileName, TTiffInfo &info);
    static bool drawingInfo(const QString &fileName, TDrawingInfo &info);
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

    // The palette offered to the readers for 8-bit pictures; empty means each picture gets its own.
    static void setPalette(const QList<QRgb> &palette);
    static QList<QRgb> palette();

    // ---- last error ----
    static int16_t lastErrorCode();
    static QString lastErrorText();
    // The decoder's own message for an error code.
    static QString errorText(int16_t code);

    // Pictures with more pixels than this, or wider or taller than maxSide, are refused.
    static constexpr qint64 maxPixels = 64LL * 1024 * 1024;
    static constexpr int maxSide = 32768;

private:
    static bool fail(int16_t code, const QString &detail = QString());
    // Turns a decoder's result into the reader's: the picture at the asked depth, or the error.
    static bool finishRead(int16_t code, const QString &detail, const QImage &image,
                           const TReadOptions &options, TReadResult &result);
    static bool readWithQt(const QString &fileName, const char *format, const TReadOptions &options,
                           TReadResult &result);
    static bool readWithMagick(const QString &fileName, const char *format, const TReadOptions &options,
                               TReadResult &result);
    static void clearError();
};

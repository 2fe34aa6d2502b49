#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// The settings and results shared by the image binding and the picture control.

// Colour depth asked of a reader; mapped to bits per pixel by TImageLib::readDepthBits.
enum TReadDepth { rdVga, rdMono, rd16, rd256, rdTrue, rdAuto };
// Colour depth asked of a writer; the bits depend on the format (TImageLib::depthForFormat).
enum TWriteDepth { wdVga, wdMono, wd16, wd256, wdTrue, wdJpegGray, wdAuto };
// Which of the three resolutions of a Photo CD file is read.
enum TPcdSize { pcdBase16, pcdBase4, pcdBase };
enum TTiffCompression { tcNone, tcCcitt, tcFax3, tcFax4, tcLzw, tcPackBits };
// The effect used when the picture control shows a new picture.
enum TTransition { fxNone, fxHorizontal, fxVertical, fxDiagonal, fxDiagonalSquares, fxRectangles };

enum class TDither { Off, On };

// Result codes of the readers and writers: 1 or more is success, 0 or less an error.
// The values are stored with the last error and shown to the user with their text.
namespace ImageError {
constexpr int16_t Ok = 1;
constexpr int16_t Stopped = 0; // the progress callback asked to stop
constexpr int16_t FileNotFound = -1;
constexpr int16_t CannotOpen = -2;
constexpr int16_t BadFile = -3; // not a file of this format, or damaged
constexpr int16_t Truncated = -4;
constexpr int16_t TooLarge = -5; // dimensions beyond what the program will allocate
constexpr int16_t OutOfMemory = -6;
constexpr int16_t CannotWrite = -7;
constexpr int16_t NoPicture = -8;
constexpr int16_t Unsupported = -9; // no reader for this kind of file
constexpr int16_t LibraryMissing = -10;
} // namespace ImageError

// The library calls it while decoding with a percentage; returning 0 stops the read.
using TProgressCallback = std::function<int(int percent)>;

struct TReadOptions {
    int depth = 24; // bits per pixel: 0 (VGA palette), 1, 4, 8 or 24
    TDither dither = TDither::On;
    TProgressCallback progress; // may be empty
    int tiffPage = 1;           // 1-based page of a TIFF file
    TPcdSize pcdSize = pcdBase4;
};

struct TReadResult {
    QImage image;
    QList<QRgb> palette;      // the picture's colour table, when it has one
    bool transparent = false; // a GIF that declares a transparent colour
};

struct TImageInfo {
    QSize size;
    int depth = 0;     // bits per pixel as stored in the file
    QString format;    // short name such as "PNG"
    QStringList texts; // descriptive texts: "Format: ...", "Size: ...", ...
};

struct TTiffInfo {
    QSize size;
    int bitsPerSample = 0;
    int samplesPerPixel = 0;
    int compression = 0;     // the raw TIFF compression code
    QString compressionName; // "NONE", "LZW", ... (TImageLib::tiffCompressionName)
    int pages = 0;
};

struct TDrawingInfo {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    int entities = 0;
};

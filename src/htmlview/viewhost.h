#pragma once

#include "viewtypes.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>

// The engine never loads fonts or images and never draws by itself: it asks its host. The viewer
// widget implements this with QPainter, zvtool with Qt's font metrics, and the tests with fixed,
// simple metrics so that layout results are exact.
//
// Handles are small integers the host hands out; 0 is "none". The host keeps fonts for the whole
// life of the host (the same description always gives the same handle), images until released.

using TFontHandle = int;
using TImageHandle = int;

enum TFontStyle : uint8_t {
    fsNone = 0,
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
};

struct TFontSpec {
    QString Face;       // the font family name
    int PointSize = 12; // the shown size in points
    uint8_t Style = fsNone;
    bool FixedPitch = false;

    // Fonts are looked up by their spec for every font run of a page: the numbers, which tell
    // most specs apart, are compared before the name.
    bool operator==(const TFontSpec &other) const
    {
        return PointSize == other.PointSize && Style == other.Style && FixedPitch == other.FixedPitch &&
               Face == other.Face;
    }
};

struct TFontMetrics {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

// An image as the host holds it for the engine: the handle to draw it with and its size.
struct THostImage {
    TImageHandle Handle = 0;
    int Width = 0;
    int Height = 0;
    // True when the file itself declares a transparent colour (a GIF with a transparent index).
    bool Transparent = false;
};

enum class TBuiltinImage : uint8_t {
    Broken,      // an image that could not be read
    Placeholder, // any image while images are switched off
};

enum class TFill : uint8_t { Outline, Solid };

class ViewHost {
public:
    virtual ~ViewHost() = default;

    // ---- fonts and measuring ----
    virtual TFontHandle createFont(const TFontSpec &fontSpec) = 0;
    virtual TFontMetrics fontMetrics(TFontHandle font) = 0;
    virtual int textWidth(TFontHandle font, QStringView text) = 0;

    // ---- images ----
    // Reads an image file (BMP, GIF, PNG, JPEG); Handle 0 when it cannot be read.
    virtual THostImage loadImage(const QString &path) = 0;
    virtual THostImage builtinImage(TBuiltinImage which) = 0;
    // Makes one colour of the image transparent; colour -1 takes the bottom-left pixel's colour.
    virtual void makeTransparent(TImageHandle image, int colour) = 0;
    virtual void releaseImage(TImageHandle image) = 0;

    // ---- colours ----
    // System colours (button face, text, ...). The default gives a light desktop theme.
    virtual QRgb systemColor(TSystemColor which) const;
    // Any model colour as the host draws it.
    QRgb toRgb(TColor colour) const;

    // ---- painting, in device coordinates ----
    virtual void setClip(const QRect &rect) = 0;
    virtual void fillRect(const QRect &rect, QRgb colour) = 0;
    // A one-pixel line from one point to another, both included.
    virtual void drawLine(QPoint from, QPoint to, QRgb colour) = 0;
    virtual void drawEllipse(const QRect &rect, QRgb colour, TFill fill) = 0;
    // Text with its baseline at y; the background stays as it is.
    virtual void drawText(int x, int baseline, TFontHandle font, QRgb colour, QStringView text) = 0;
    virtual void drawImage(TImageHandle image, const QRect &target) = 0;

    // A rectangle's outline, inside the rectangle.
    void drawFrame(const QRect &rect, QRgb colour);
};

#pragma once

#include <QRgb>
#include <QString>

#include <cstdint>

// Small value types shared by the reader, the display model and the host.

// A colour as the program stores it: red in the low byte, then green, then blue. The reader marks
// every colour read from a page with the palette-relative flag; values with the top byte 0xFF are
// system colours that the host resolves.
using TColor = uint32_t;
constexpr TColor kPaletteRelative = 0x02000000;
constexpr TColor kSystemColorFlag = 0xFF000000;

enum class TSystemColor : uint8_t { ButtonFace, ButtonShadow, ButtonHighlight, ButtonText };

constexpr TColor SystemColor(TSystemColor which)
{
    return kSystemColorFlag | TColor(which);
}
constexpr TColor clBtnFace = kSystemColorFlag | TColor(TSystemColor::ButtonFace);
constexpr TColor clBtnShadow = kSystemColorFlag | TColor(TSystemColor::ButtonShadow);
constexpr TColor clBtnHighlight = kSystemColorFlag | TColor(TSystemColor::ButtonHighlight);
constexpr TColor clBtnText = kSystemColorFlag | TColor(TSystemColor::ButtonText);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clBlue = 0xFF0000; // red in the low byte: blue is the high byte
constexpr TColor clNavy = 0x800000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clRed = 0x0000FF;

constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000) == kSystemColorFlag;
}
// The red-green-blue part of a plain colour, without flags.
constexpr TColor ColorValue(TColor c)
{
    return c & 0x00FFFFFF;
}
// Two colours are the same when their red, green and blue agree (flags aside).
constexpr bool SameColor(TColor a, TColor b)
{
    return IsSystemColor(a) || IsSystemColor(b) ? a == b : ColorValue(a) == ColorValue(b);
}

// A link's address and target frame.
struct TLinkTarget {
    QString URL;
    QString Target;

    bool isEmpty() const { return URL.isEmpty(); }
    void Assign(const TLinkTarget &other) { *this = other; }
    void Clear() { URL.clear(), Target.clear(); }
    bool operator==(const TLinkTarget &) const = default;
};

// The two errors the reader and the table layout can raise. Parsing stops at the error; the partly
// built document stays and is shown before the caller reports the error.
enum class TViewErrorKind : uint8_t {
    None,
    ParseError,   // the reader's syntax error: a comment still open at the end of the input
    ProcessError, // a table with more than 30 columns
};

struct TViewError {
    TViewErrorKind Kind = TViewErrorKind::None;
    QString Message;

    bool ok() const { return Kind == TViewErrorKind::None; }
};

// The results of a layout pass: the height of the laid-out content and the widest line it needs,
// which can exceed the width it was given.
struct TLayoutSize {
    int Height = 0;
    int MaxWidth = 0;
};

// A section's or cell's minimum (widest unbreakable item) and maximum (everything on one line) width.
struct TMinMax {
    int Min = 0;
    int Max = 0;
};

// Round(value * numerator / denominator) the way the platform's MulDiv does it.
int MulDiv(int value, int numerator, int denominator);

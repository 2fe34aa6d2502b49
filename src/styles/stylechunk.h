#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// A colour as the styles file and the style wizard hold it: red in the low byte, then green,
// then blue; the high byte is 0 for an ordinary colour and 0x80 for a system colour.
using TColour = uint32_t;

constexpr TColour clBlackValue = 0x00000000;
constexpr TColour clSilverValue = 0x00C0C0C0;
constexpr TColour clBlueValue = 0x00FF0000;
constexpr TColour clRedValue = 0x000000FF;
constexpr TColour clFuchsiaValue = 0x00FF00FF;

// One named style: the page background (colour and optional picture) and the four text and
// link colours. The defaults are those of a new or cleared style in the style wizard.
struct TStyleChunk {
    QByteArray StyleName;
    QByteArray BackImage; // relative to the HTML folder, backslash separators ("backgrnd\stars.gif")
    TColour BackColour = clSilverValue;
    TColour DocColour = clBlackValue;
    TColour StandardColour = clBlueValue;
    TColour ActiveColour = clRedValue;
    TColour VisitedColour = clFuchsiaValue;
    bool operator==(const TStyleChunk &) const = default;
};

// The styles in the order of the file and of the list boxes.
using TStyleList = std::vector<TStyleChunk>;

#include "colourtext.h"

#include <array>
#include <cstdio>

namespace {

struct NamedColour {
    const char *name;
    TColour value;
};

constexpr TColour kSystemBase = 0x80000000;

// The ordinary named colours and clNone.
// clang-format off
constexpr std::array<NamedColour, 17> kNamedColours{{
    {"clBlack", 0x00000000},  {"clMaroon", 0x00000080}, {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},  {"clNavy", 0x00800000},   {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},   {"clGray", 0x00808080},   {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},    {"clLime", 0x0000FF00},   {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},   {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},  {"clNone", 0x1FFFFFFF},
}};

// The system colours 0x80000000 + index, with the colour each has in the classic standard
// desktop scheme (as an ordinary colour value, blue in the high byte).
struct SystemColour {
    const char *name;
    TColour standard;
};
constexpr std::array<SystemColour, 25> kSystemColours{{
    {"clScrollBar", 0x00C0C0C0},     {"clBackground", 0x00808000},     {"clActiveCaption", 0x00800000},
    {"clInactiveCaption", 0x00808080}, {"clMenu", 0x00C0C0C0},         {"clWindow", 0x00FFFFFF},
    {"clWindowFrame", 0x00000000},   {"clMenuText", 0x00000000},       {"clWindowText", 0x00000000},
    {"clCaptionText", 0x00FFFFFF},   {"clActiveBorder", 0x00C0C0C0},   {"clInactiveBorder", 0x00C0C0C0},
    {"clAppWorkSpace", 0x00808080},  {"clHighlight", 0x00800000},      {"clHighlightText", 0x00FFFFFF},
    {"clBtnFace", 0x00C0C0C0},       {"clBtnShadow", 0x00808080},      {"clGrayText", 0x00808080},
    {"clBtnText", 0x00000000},       {"clInactiveCaptionText", 0x00C0C0C0}, {"clBtnHighlight", 0x00FFFFFF},
    {"cl3DDkShadow", 0x00000000},    {"cl3DLight", 0x00C0C0C0},        {"clInfoText", 0x00000000},
    {"clInfoBk", 0x00E1FFFF},
}};
// clang-format on

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A whole-text integer: optional blanks, an optional sign, then decimal digits or "$" (or "0x")
// and hexadecimal digits. The value must fit in 32 bits; a negative number stands for the
// same 32 bits read as a signed value, as older files may hold system colours that way.
std::optional<TColour> parseInteger(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * uint64_t(base) + uint64_t(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (negative) {
        if (value > 0x80000000ull)
            return std::nullopt;
        return TColour(uint32_t(0) - uint32_t(value));
    }
    return TColour(value);
}

} // namespace

QByteArray ColourText(TColour colour)
{
    for (const NamedColour &c : kNamedColours) {
        if (c.value == colour)
            return c.name;
    }
    if (colour >= kSystemBase && colour - kSystemBase < kSystemColours.size())
        return kSystemColours[colour - kSystemBase].name;
    char digits[16];
    std::snprintf(digits, sizeof digits, "$%08X", unsigned(colour));
    return digits;
}

std::optional<TColour> ColourFromText(QByteArrayView text)
{
    for (const NamedColour &c : kNamedColours) {
        if (text.compare(QByteArrayView(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    }
    for (size_t i = 0; i < kSystemColours.size(); ++i) {
        if (text.compare(QByteArrayView(kSystemColours[i].name), Qt::CaseInsensitive) == 0)
            return TColour(kSystemBase + i);
    }
    return parseInteger(text);
}

QByteArray ColourToHTML(TColour colour)
{
    if (colour >= kSystemBase && colour - kSystemBase < kSystemColours.size())
        colour = kSystemColours[colour - kSystemBase].standard;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X%02X%02X", unsigned(colour & 0xFF),
                  unsigned(colour >> 8 & 0xFF), unsigned(colour >> 16 & 0xFF));
    return digits;
}

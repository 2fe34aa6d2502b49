#include "textcodec.h"

#include <QList>

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1. 0xFFFD marks the five unused bytes.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

bool isDigit(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return true;
    return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

} // namespace

char16_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return char16_t(byte);
}

int UnicodeToCp1252(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0xFFFD && kHighControls[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

QByteArray EncodePageText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto codePoints = text.toUcs4();
    for (char32_t ch : codePoints) {
        const int byte = UnicodeToCp1252(ch);
        if (byte >= 0)
            out.append(char(byte));
        else
            out.append("&#" + QByteArray::number(quint32(ch)) + ';');
    }
    return out;
}

QString DecodePageText(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '&' && i + 2 < n && bytes[i + 1] == '#') {
            qsizetype j = i + 2;
            const bool hex = bytes[j] == 'x' || bytes[j] == 'X';
            if (hex)
                ++j;
            const qsizetype digitsStart = j;
            while (j < n && j - digitsStart < 8 && isDigit(bytes[j], hex))
                ++j;
            if (j > digitsStart && j < n && bytes[j] == ';') {
                bool ok = false;
                const uint value = bytes.mid(digitsStart, j - digitsStart).toUInt(&ok, hex ? 16 : 10);
                if (ok && value > 255 && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF)) {
                    const char32_t cp = value;
                    out += QString::fromUcs4(&cp, 1);
                    i = j;
                    continue;
                }
            }
        }
        out += QChar(Cp1252ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

#include "tiffheader.h"

#include <QSet>

namespace {

class Reader {
public:
    Reader(const QByteArray &data, bool littleEndian) : m_data(data), m_little(littleEndian) {}

    bool has(qint64 offset, qint64 count) const { return offset >= 0 && offset + count <= m_data.size(); }
    uint32_t u16(qint64 at) const { return value(at, 2); }
    uint32_t u32(qint64 at) const { return value(at, 4); }

private:
    uint32_t value(qint64 at, int bytes) const
    {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const uint32_t b = uint8_t(m_data[at + (m_little ? bytes - 1 - i : i)]);
            v = (v << 8) | b;
        }
        return v;
    }

    const QByteArray &m_data;
    bool m_little = true;
};

constexpr int typeShort = 3;
constexpr int typeLong = 4;

} // namespace

TImageResult<TTiffInfo> TTiffHeader::parse(const QByteArray &data)
{
    if (data.size() < 8)
        return TImageError::of(ImageError::Truncated);
    bool little = false;
    if (data.startsWith("II"))
        little = true;
    else if (!data.startsWith("MM"))
        return TImageError::of(ImageError::BadFile);
    const Reader in(data, little);
    if (in.u16(2) != 42)
        return TImageError::of(ImageError::BadFile);

    qint64 offset = in.u32(4);
    QSet<qint64> seen; // a directory chain that points back at itself must not loop forever
    TTiffInfo info;
    info.compression = 1; // what TIFF assumes when the field is absent
    info.samplesPerPixel = 1;
    info.bitsPerSample = 1;
    while (offset != 0) {
        // A damaged chain after the first directory only ends the page count; the first
        // directory must still describe a picture, which is checked below.
        if (seen.contains(offset) || !in.has(offset, 2)) {
            if (info.pages == 0)
                return TImageError::of(ImageError::Truncated);
            break;
        }
        seen.insert(offset);
        const uint32_t count = in.u16(offset);
        if (!in.has(offset + 2, qint64(count) * 12 + 4)) {
            if (info.pages == 0)
                return TImageError::of(ImageError::Truncated);
            break;
        }
        if (info.pages == 0) {
            for (uint32_t i = 0; i < count; ++i) {
                const qint64 entry = offset + 2 + qint64(i) * 12;
                const uint32_t tag = in.u16(entry);
                const uint32_t type = in.u16(entry + 2);
                // Values of one short or long sit in the entry itself; for several samples
                // the first one is enough to describe the picture.
                uint32_t value = 0;
                if (type == typeShort)
                    value = in.u16(entry + 8);
                else if (type == typeLong)
                    value = in.u32(entry + 8);
                const uint32_t n = in.u32(entry + 4);
                if (tag == 258 && type == typeShort && n > 2) {
                    const qint64 at = in.u32(entry + 8);
                    value = in.has(at, 2) ? in.u16(at) : 0;
                }
                switch (tag) {
                case 256:
                    info.size.setWidth(int(value));
                    break;
                case 257:
                    info.size.setHeight(int(value));
                    break;
                case 258:
                    info.bitsPerSample = int(value);
                    break;
                case 259:
                    info.compression = int(value);
                    break;
                case 277:
                    info.samplesPerPixel = int(value);
                    break;
                default:
                    break;
                }
            }
        }
        ++info.pages;
        offset = in.u32(offset + 2 + qint64(count) * 12);
    }
    if (info.pages == 0 || info.size.width() <= 0 || info.size.height() <= 0)
        return TImageError::of(ImageError::BadFile);
    return info;
}

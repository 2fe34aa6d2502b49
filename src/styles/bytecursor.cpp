#include "bytecursor.h"

bool TByteCursor::readInt32(int32_t &value)
{
    if (remaining() < 4)
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(m_data.data() + m_pos);
    value = int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
    m_pos += 4;
    return true;
}

bool TByteCursor::readByte(uint8_t &value)
{
    if (remaining() < 1)
        return false;
    value = uint8_t(m_data[m_pos]);
    ++m_pos;
    return true;
}

bool TByteCursor::readBytes(qsizetype count, QByteArray &bytes)
{
    if (count < 0 || count > remaining())
        return false;
    bytes = m_data.sliced(m_pos, count).toByteArray();
    m_pos += count;
    return true;
}

bool TByteCursor::skipExpected(QByteArrayView expected)
{
    if (remaining() < expected.size() || m_data.sliced(m_pos, expected.size()) != expected)
        return false;
    m_pos += expected.size();
    return true;
}

void WriteInt32(QByteArray &out, int32_t value)
{
    const auto v = uint32_t(value);
    const char bytes[4] = {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24 & 0xFF)};
    out.append(bytes, 4);
}

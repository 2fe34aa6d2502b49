#include "bytecursor.h"

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

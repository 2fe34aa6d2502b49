#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// Reads the little-endian integers and byte runs of the program's binary files (builder
// documents and the styles file) from bytes held in memory. Every read checks the bytes that
// are left first, so a damaged or hostile file can never make a reader run past its end or
// allocate more than the file holds; a failed read consumes nothing.
class TByteCursor {
public:
    explicit TByteCursor(QByteArrayView data) : m_data(data) {}

    qsizetype remaining() const { return m_data.size() - m_pos; }
    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

    // Defined here so that readers of many small fields can inline them.
    bool readInt32(int32_t &value)
    {
        if (remaining() < 4)
            return false;
        const auto *p = reinterpret_cast<const unsigned char *>(m_data.data() + m_pos);
        value = int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
        m_pos += 4;
        return true;
    }
    bool readByte(uint8_t &value)
    {
        if (remaining() < 1)
            return false;
        value = uint8_t(m_data[m_pos]);
        ++m_pos;
        return true;
    }
    // count bytes into bytes; fails (and leaves bytes alone) when fewer are left.
    bool readBytes(qsizetype count, QByteArray &bytes);
    // Consumes expected when the data continues with exactly those bytes.
    bool skipExpected(QByteArrayView expected);

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

// Appends value as four little-endian bytes.
void WriteInt32(QByteArray &out, int32_t value);

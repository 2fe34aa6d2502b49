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

    bool readInt32(int32_t &value);
    bool readByte(uint8_t &value);
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

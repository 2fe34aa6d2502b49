#include "filestring.h"

bool ReadFileString(TByteCursor &in, QByteArray &text)
{
    int32_t n = 0;
    if (!in.readInt32(n))
        return false;
    if (n < 0) {
        text.clear();
        return true;
    }
    // n + 1 is computed in 64 bits: n = INT32_MAX must not wrap around.
    return in.readBytes(qsizetype(n) + 1, text);
}

void WriteFileString(QByteArray &out, const QByteArray &text)
{
    WriteInt32(out, int32_t(text.size() - 1));
    out.append(text);
}

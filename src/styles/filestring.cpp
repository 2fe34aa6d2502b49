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
    const qsizetype size = qsizetype(n) + 1;
    // A text the caller's record already holds (most often the default of a field the user left
    // alone, such as a link address of "http://") keeps its bytes, which the default shares with
    // every other record: reading it costs no allocation.
    if (size == text.size() && in.skipExpected(text))
        return true;
    return in.readBytes(size, text);
}

void WriteFileString(QByteArray &out, const QByteArray &text)
{
    WriteInt32(out, int32_t(text.size() - 1));
    out.append(text);
}

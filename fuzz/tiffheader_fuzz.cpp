#include "tiffheader.h"

#include <cstdint>
#include <cstdlib>

// Reads arbitrary bytes as the header of a TIFF file. A header that reads must describe a
// picture with a size and at least one page; a damaged one must be refused with an error,
// never a crash or an endless walk along the directory chain.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TImageResult<TTiffInfo> read = TTiffHeader::parse(bytes);
    if (!read)
        return 0;
    if (read->pages < 1 || read->size.width() <= 0 || read->size.height() <= 0)
        std::abort();
    // Every directory takes at least its count and next-offset fields, and no two share an
    // offset, so there can be no more pages than the file has room for.
    if (read->pages > bytes.size() / 6)
        std::abort();
    return 0;
}

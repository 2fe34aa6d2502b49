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
    // No two directories share an offset and every one lies inside the data, so a chain can
    // never count more pages than the data has bytes.
    if (read->pages > bytes.size())
        std::abort();
    return 0;
}

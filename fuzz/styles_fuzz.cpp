#include "colourtext.h"
#include "stylesfile.h"

#include <cstdint>
#include <cstdlib>

// Reads arbitrary bytes as a styles file. The styles read must write back to bytes that read
// again to the same styles.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TStylesRead read =
        ReadStyles(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const TStylesRead reread = ReadStyles(StylesBytes(read.Styles));
    if (reread.Status != TStylesReadStatus::Complete || reread.Styles != read.Styles)
        std::abort();
    for (const TStyleChunk &style : read.Styles) {
        if (ColourToHTML(style.BackColour).size() != 6)
            std::abort();
    }
    return 0;
}

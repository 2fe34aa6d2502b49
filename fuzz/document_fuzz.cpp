#include "builderdocument.h"
#include "pagehtml.h"

#include <cstdint>
#include <cstdlib>

// Reads arbitrary bytes as a builder document. Whatever is read must generate a page and must
// write back to bytes that read again to the same blocks.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TDocumentRead read =
        ReadDocumentBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!read.readable())
        return 0;
    TWebChunkList chunks = read.Chunks;
    const QByteArray html = BuildPageHTML(chunks, read.Title.value_or(QByteArray()), TPageHTMLSettings());
    if (!html.endsWith("</HTML>\r\n"))
        std::abort();

    const QByteArray again =
        DocumentBytes(read.StyleName.value_or(QByteArray()), read.Title.value_or(QByteArray()), read.Chunks);
    const TDocumentRead reread = ReadDocumentBytes(again);
    if (reread.Status != TDocumentStatus::Complete || reread.Chunks.size() != read.Chunks.size())
        std::abort();
    for (size_t i = 0; i < read.Chunks.size(); ++i) {
        TWebChunk expected = read.Chunks[i];
        if (expected.Heading())
            expected.Heading()->NewLine = 0;
        if (!(reread.Chunks[i] == expected))
            std::abort();
    }
    return 0;
}

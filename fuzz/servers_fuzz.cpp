#include "cryptpassword.h"
#include "inffile.h"
#include "isplist.h"
#include "textcodec.h"

#include <cstdint>
#include <cstdlib>

// Reads arbitrary bytes as an ISP definition file and as a stored password.
//
// A definition is refused exactly when the bytes are no text (a NUL byte) or too large. As a
// stored password, a value the scrambler could not have written reads as it stands, and any
// password the bytes spell scrambles and unscrambles to itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TISPRead read = ParseISPDefinition(bytes);
    const bool refused = bytes.contains('\0') || bytes.size() > TInfFile::MaxSize;
    if (read.Error.isEmpty() == refused)
        std::abort();
    if (refused && read.Details != ISPDetails())
        std::abort();

    const QString stored = QString::fromLatin1(bytes);
    const QString decoded = CryptPassword(stored, TCryptMode::Decode);
    if (!IsScrambledPassword(stored) && decoded != stored)
        std::abort();

    // Texts holding "&#" are character references to the program's text codec, which a
    // password shares with every other text; those are left out of the round trip.
    const QString password = DecodePageText(bytes.toByteArray());
    if (!password.contains(QLatin1String("&#")) &&
        CryptPassword(CryptPassword(password, TCryptMode::Encode), TCryptMode::Decode) != password)
        std::abort();
    return 0;
}

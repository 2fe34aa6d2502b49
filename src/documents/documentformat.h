#pragma once

#include <QByteArrayView>

// The fixed texts of builder documents, shared by the reader and the writer.
inline constexpr QByteArrayView kDocumentSignature("Zorvin Express File");
inline constexpr QByteArrayView kDocumentVersion("1.11");
inline constexpr QByteArrayView kDocumentTrailer("End of Zorvin Express File >=)");

#pragma once

#include <QtGlobal>

#include <cstdint>

// How a page's bytes map to characters. Pages are Windows-1252 (which reads ISO-8859-1 too)
// unless they say they are UTF-8.
enum class TPageEncoding : uint8_t {
    AsDeclared, // look at the page: a byte-order mark or a META declaration near the top
    Windows1252,
    Utf8,
};

// The encoding a page declares: UTF-8 when it starts with the UTF-8 byte-order mark or when a
// META tag before the body names the charset "utf-8" (as META charset or in an http-equiv
// Content-Type); Windows-1252 otherwise.
TPageEncoding DetectPageEncoding(const char *data, qsizetype length);

// Whether the bytes start with the UTF-8 byte-order mark.
bool HasUtf8ByteOrderMark(const char *data, qsizetype length);

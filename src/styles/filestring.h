#pragma once

#include "bytecursor.h"

#include <QByteArray>

// The text encoding shared by builder documents and "Styles.data": a 32-bit little-endian
// integer holding the text's length minus one (-1 for an empty text), then the bytes, with no
// terminator and no conversion of line ends.

// Reads one file string into text. A negative length gives the empty text and consumes no
// bytes. Fails, consuming nothing but the length, when the file has fewer bytes left than the
// length claims: a huge length from a damaged file is never trusted. When text already holds the
// stored bytes it is left as it is.
bool ReadFileString(TByteCursor &in, QByteArray &text);

// Appends text as a file string.
void WriteFileString(QByteArray &out, const QByteArray &text);

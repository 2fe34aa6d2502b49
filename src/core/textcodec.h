#pragma once

#include <QByteArray>
#include <QString>

// Texts of the page model, documents, Styles.data and page HTML files are Windows-1252 byte
// strings so that files stay byte-compatible with every earlier version of the program. They
// become display text only at the user-interface edge, through these two functions.

// Display text to stored bytes. A character that Windows-1252 cannot hold becomes an HTML
// numeric character reference ("&#20013;") so that nothing the user typed is lost.
QByteArray EncodePageText(const QString &text);

// Stored bytes to display text. Numeric character references above 255 (decimal "&#20013;"
// or hexadecimal "&#x4E2D;") are turned back into their characters; everything else is
// decoded byte by byte.
QString DecodePageText(const QByteArray &bytes);

// The Unicode character of one Windows-1252 byte (bytes without a character map to U+FFFD).
char16_t Cp1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t ch);

#pragma once

#include <QByteArray>

// The changes made to the copy of a page that goes to the server. The page file itself is never
// touched, so sending twice never adds anything twice.

// The page for a server without sub-folders: every "graphics/" and "backgrnd/" taken out
// (letter case ignored).
QByteArray RemoveFolderPrefixes(const QByteArray &page);

// The free host's banner, put before every "</BODY>" (letter case ignored).
QByteArray AddHostingBanner(const QByteArray &page);

// Whether the page names its character set before its body starts.
bool DeclaresCharset(const QByteArray &page);

// The page with a declaration of the Windows-1252 character set its bytes are in, at the top of
// its HEAD (or of the page, when it has no HEAD), when it declares none; otherwise unchanged.
// Servers that announce UTF-8 by default would otherwise garble every accented letter.
QByteArray DeclareCharset(const QByteArray &page);

#pragma once

#include "stylechunk.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// "Styles.data", the style list file in the program folder: a 32-bit little-endian count, then
// per style seven file strings (name, background image and the colour texts of the five
// colours). There is no signature, version or checksum.

// Why a read stopped before the count it announced was reached.
enum class TStylesReadStatus {
    Complete,  // every style the count announced was read
    Missing,   // the file could not be opened
    Truncated, // the file ended inside the count or a style
    BadColour, // a colour text was neither a colour name nor a number
};

// What a read gives: the styles read before any damage, and why it stopped.
struct TStylesRead {
    TStyleList Styles;
    TStylesReadStatus Status = TStylesReadStatus::Complete;
    QString Error; // a sentence for the user; empty when Complete
};

// The path of "Styles.data" in a program folder.
QString StylesFilePath(const QString &programFolder);

// Reads the styles of a styles file's bytes; a damaged file keeps the styles before the damage.
TStylesRead ReadStyles(QByteArrayView bytes);
// LoadStyles reads the file at path (normally StylesFilePath of the program folder).
TStylesRead LoadStyles(const QString &path);

// The exact bytes of a styles file holding styles.
QByteArray StylesBytes(const TStyleList &styles);
// Replaces the file at path with styles. The old file stays untouched until the new one is
// complete. Returns false with a message in error when the file cannot be written.
bool WriteStylesToFile(const QString &path, const TStyleList &styles, QString *error = nullptr);

// The list-box item of a style name as the main window's style list shows it: 0 for "[None]",
// i for StyleList[i - 1], compared without regard to letter case; -1 when no item has the name.
int StyleItemIndex(const TStyleList &styles, const QByteArray &name);

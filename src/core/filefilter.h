#pragma once

#include <QString>

// File dialog filters are written the classic way, description and patterns separated by "|":
//   "Zorvin Express Files (*.zve)|*.zve|Zorvin Express Template (*.zvt)|*.zvt"
// Qt's dialogs want "Zorvin Express Files (*.zve);;Zorvin Express Template (*.zvt)". Each pair
// becomes the description (without a parenthesised part at its end) followed by its patterns in
// parentheses, separated by spaces where the classic form has ";". A filter without "|" is taken
// to be in Qt's form already and is returned unchanged; a description without patterns gets "*".
QString ToQtFileFilter(const QString &filter);

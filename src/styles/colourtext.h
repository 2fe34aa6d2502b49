#pragma once

#include "stylechunk.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The textual form of a colour in "Styles.data": one of the named colours ("clSilver",
// "clWindow", ...) when the value has a name, otherwise "$" and eight upper-case hex digits.
QByteArray ColourText(TColour colour);

// Reads a colour text: a colour name in any letter case, a decimal number, or a "$"
// hexadecimal number. Empty when the text is none of these (a damaged file).
std::optional<TColour> ColourFromText(QByteArrayView text);

// The colour as six upper-case hexadecimal digits RRGGBB, without "#". System colours are
// first turned into the colours of the classic standard desktop scheme, so that a style file
// edited by hand to use them still gives a sensible page.
QByteArray ColourToHTML(TColour colour);

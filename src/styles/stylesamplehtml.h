#pragma once

#include "stylechunk.h"

#include <QByteArray>

// The small sample page the style wizard shows while a style is edited: the four words
// "Document Text", "Standard Link", "Active Link" and "Visited Link" centred on the style's
// background, each in its colour. Colours stand without "#", every line ends in CR LF except the
// last, and the body carries BACKGROUND only when the style has a background picture.
QByteArray StyleSampleHTML(const TStyleChunk &style);

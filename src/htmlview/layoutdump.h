#pragma once

#include <QByteArray>

class TViewDocument;

// A text picture of a laid-out document: one line per section and per line box (kind, x, y,
// width, height and the characters), tables with their cells indented below them.
QByteArray LayoutDump(const TViewDocument &doc);

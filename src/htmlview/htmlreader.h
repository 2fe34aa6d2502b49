#pragma once

#include "pageencoding.h"
#include "viewtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TViewDocument;
class TAnchorList;

// The HTML reader: one forward pass over a page's bytes that fills a document with
// sections, its title, base, colours, forms, image maps and named anchors. Text after the error
// that stops a parse is not read; what was built up to it stays in the document.
//
// Each entry point fills doc (which the caller has cleared and given its fonts) and anchors.
// Pages are read as Windows-1252 unless they declare UTF-8 (a byte-order mark, or a META charset
// or http-equiv Content-Type); a caller whose bytes are of a known encoding says so.

// The lines of a document; a line end follows every line.
TViewError ParseHtmlLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines,
                          TPageEncoding encoding = TPageEncoding::AsDeclared);
// A block of memory.
TViewError ParseHtmlBuffer(TViewDocument &doc, TAnchorList &anchors, const char *data, qsizetype length,
                           TPageEncoding encoding = TPageEncoding::AsDeclared);
// A file; a file that cannot be read gives an empty document.
TViewError ParseHtmlFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName);
// Plain text shown as preformatted lines (UTF-8 when it starts with the byte-order mark).
TViewError ParseTextLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines);
TViewError ParseTextFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName);

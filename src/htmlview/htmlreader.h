#pragma once

#include "viewtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TViewDocument;
class TAnchorList;

// The HTML reader: one forward pass over a page's Windows-1252 bytes that fills a document with
// sections, its title, base, colours, forms, image maps and named anchors. Text after the error
// that stops a parse is not read; what was built up to it stays in the document.
//
// Each entry point fills doc (which the caller has cleared and given its fonts) and anchors.

// The lines of a document; a line end follows every line.
TViewError ParseHtmlLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines);
// A block of memory.
TViewError ParseHtmlBuffer(TViewDocument &doc, TAnchorList &anchors, const char *data, qsizetype length);
// A file; a file that cannot be read gives an empty document.
TViewError ParseHtmlFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName);
// Plain text shown as preformatted lines.
TViewError ParseTextLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines);
TViewError ParseTextFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName);

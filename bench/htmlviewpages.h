#pragma once

#include <QByteArray>

// Input pages for the viewer benchmark. Both are plain ASCII, so the same bytes are valid
// Windows-1252 for our reader and UTF-8 for the peers.
namespace HtmlViewPages {

// The page the builder generates for the preview of a document of the given number of blocks
// (the benchmarks' shared realistic page), with a style applied.
QByteArray builderPage(int blocks);

// About the given number of bytes mixing headings, paragraphs, links, lists, tables, images
// and preformatted text. The content is pseudo-random but the same on every run.
QByteArray mixedPage(int bytes);

} // namespace HtmlViewPages

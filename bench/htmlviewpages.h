#pragma once

#include <QByteArray>

// Input pages for the viewer benchmark. All are plain ASCII, so the same bytes are valid
// Windows-1252 for our reader and UTF-8 for the peers.
namespace HtmlViewPages {

// The page the builder generates for the preview of a document of the given number of blocks
// (the benchmarks' shared realistic page), with a style applied.
QByteArray builderPage(int blocks);

// About the given number of bytes mixing headings, paragraphs, links, lists, tables, images
// and preformatted text. The content is pseudo-random but the same on every run.
QByteArray mixedPage(int bytes);

// Pages written the way people wrote them by hand, about the given number of bytes each:
// a long manual (a table of contents linking to named anchors, chapters with preformatted
// examples that indent with tabs, option tables, definition lists and notes) and a news page of
// nested layout tables (a masthead, a navigation column of fixed width, stories with floating
// pictures, a column of boxes with a poll form), with STYLE and SCRIPT in their heads.
QByteArray manualPage(int bytes);
QByteArray newsPage(int bytes);

} // namespace HtmlViewPages

#pragma once

#include <QByteArray>
#include <QList>

// The page HTML text on its way to the preview: the viewer does not know the DIV element, so
// the aligned link and e-mail blocks are handed to it as aligned paragraphs. The page HTML text
// itself keeps its DIVs; only the viewer's copy is converted.
QByteArray ViewerHTML(const QByteArray &pageHTML);

// The text split into the lines the viewer reads; CR LF, LF and a lone CR each end a line.
QList<QByteArray> PageLines(const QByteArray &text);

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Renders a page HTML text as the preview shows it, at the preview's width, into a picture of
// the given size: a miniature of the top of the page for the gallery. It needs no window and no
// screen, only the GUI side of Qt for fonts and pictures.
QImage MakeThumbnail(const QByteArray &pageHTML, const QSize &size);

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Renders a page HTML text as the preview shows it, at the preview's width, into a picture of
// the given size: a miniature of the top of the page for the gallery. It works without a
// screen; nothing is shown.
QImage MakeThumbnail(const QByteArray &pageHTML, const QSize &size);

#pragma once

#include "tviewsettings.h"

#include <QString>

// How the preview shows a page, shared by the preview stage's viewer and the thumbnail maker so
// that the gallery's miniature is the page as the preview shows it.

// The width of the viewer in the preview's Web tab.
inline constexpr int PreviewWidth = 609;

// The preview's fonts and colours: the default font comes from the string table, and a page
// without a background colour of its own shows silver.
TViewSettings PreviewViewSettings();

// The page is handed to the preview as lines, not as a file, so it has no folder of its own: a
// relative link or picture name ("graphics/dog.gif", a style's "backgrnd/stars.gif") names a file
// in the HTML folder, where the page file is saved and from where it is uploaded. Names that are
// absolute, carry a scheme or drive, or stand under a BASE of the page are returned unchanged.
QString PreviewLinkName(const QString &name, const QString &base);

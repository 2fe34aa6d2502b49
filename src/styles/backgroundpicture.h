#pragma once

#include "stylechunk.h"

#include <QString>

// The result of bringing a picture into the HTML folder's "backgrnd" folder.
struct TBackgroundPicture {
    QString BackImage; // "backgrnd\" and the file name, relative to the HTML folder; empty on failure
    QString Error;     // a sentence for the user when the copy failed
    bool ok() const { return !BackImage.isEmpty(); }
};

// Copies the chosen picture into the "backgrnd" folder of htmlFolder, replacing a picture of the
// same name, and gives the name a style stores for it. A picture that lies there already is not
// copied. The folder is created when missing. The copy replaces the old picture only once it is
// complete, so a failure never leaves half a picture behind.
TBackgroundPicture CopyBackgroundPicture(const QString &chosen, const QString &htmlFolder);

// The page refers to a style's background picture in lower case ("backgrnd/sky.jpg"). Styles
// made before the copies were given lower-case names keep a name such as "backgrnd\Sky.JPG";
// for each of them whose picture exists only under that name, a copy with the lower-case name
// is made beside it, so that the page, the preview and the upload find it on a file system that
// tells letter cases apart. Names reaching outside the HTML folder are left alone. Returns the
// number of copies made.
int ProvideLowerCaseBackgrounds(const TStyleList &styles, const QString &htmlFolder);

#pragma once

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

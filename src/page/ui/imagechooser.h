#pragma once

#include <QString>

#include <optional>

class TPictureBox;

// What the image panel's boxes receive for a picked picture.
struct TChosenImage {
    QString FileName; // relative to the HTML folder: "graphics\name.jpg"
    int Width = 0;
    int Height = 0;
};

// The image panel's file chooser. A picked picture is copied into the HTML folder's "graphics"
// folder under its name in lower case without spaces, and, unless it already is a JPEG or GIF
// file, converted through the picture control to a JPEG file of quality 100 beside the copy, so
// that every browser shows it. A picture that cannot be read or converted is reported and
// nothing is changed.
class TImageChooser {
public:
    TImageChooser(QString htmlFolder, TPictureBox &pictureBox)
        : m_htmlFolder(std::move(htmlFolder)), m_pictureBox(pictureBox)
    {
    }

    // Asks for a picture; nothing when the user cancels or the picture cannot be used.
    std::optional<TChosenImage> choose() const;
    // The steps after the dialog, for a picture the user picked.
    std::optional<TChosenImage> adopt(const QString &chosenPath) const;

    QString graphicsFolder() const;

private:
    QString m_htmlFolder;
    TPictureBox &m_pictureBox;
};

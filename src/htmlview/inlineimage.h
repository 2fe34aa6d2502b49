#pragma once

#include "viewhost.h"

#include <QString>

class TViewDocument;

enum TImageAlign : uint8_t { iaTop = 0, iaMiddle = 1, iaBottom = 2, iaLeft = 3, iaRight = 4 };

// An IMG inside a section's text, standing at one placeholder character.
class TInlineImage {
public:
    int Pos = 0; // index of its placeholder in the section's text
    QString Source;
    QString Alt;
    TImageAlign Align = iaBottom;
    int RequestedHeight = 0;
    int RequestedWidth = 0;
    bool NoBorder = false;
    int HSpace = 5;
    bool Transparent = false;
    bool IsMap = false;
    bool UseMap = false;
    QString MapName;
    bool InLink = false; // set by the reader when the image stands inside an A HREF

    // Set by measuring.
    TImageHandle Image = 0;
    bool Placeholder = false; // Image is one of the two built-in pictures
    bool Requested = false;
    int ImageWidth = 0; // the picture itself, without border and alternative text
    int ImageHeight = 0;
    int ShownWidth = 0; // the whole box: picture, border and alternative text
    int ShownHeight = 0;
    bool Border = false;

    // Set by layout, in document coordinates: the box's top-left.
    int X = 0;
    int Y = 0;

    bool Floating() const { return Align == iaLeft || Align == iaRight; }
    // Requests the image (first time), then works out the shown size.
    void Measure(TViewDocument &doc, ViewHost &host);
    void Draw(const TViewDocument &doc, ViewHost &host, int dx, int dy) const;
    // The width the image takes in a line: its box and its horizontal space, which is shared
    // between its two sides.
    int LineWidth() const { return ShownWidth + HSpace; }
};

#pragma once

// One laid-out line of a section.
struct TLineBox {
    int Start = 0;       // index of the first character in the section's text
    int Count = 0;       // characters in the line, trailing spaces included
    int LineHeight = 0;  // the tallest font of the line
    int SpaceBefore = 0; // room above for tall images and controls (and clearing)
    int SpaceAfter = 0;  // room below for TOP images
    int Ascent = 0;      // the tallest ascent of the line's fonts
    int X = 0;           // where the line starts, relative to the layout area
    int Width = 0;       // drawn width, trailing spaces left out
    int Y = 0;           // top of the line box (space before included), in document coordinates
    int FirstPiece = 0;  // the section's measured piece the line starts with

    int Height() const { return SpaceBefore + LineHeight + SpaceAfter; }
    int Baseline() const { return Y + SpaceBefore + Ascent; }
};

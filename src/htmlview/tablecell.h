#pragma once

#include "cell.h"

enum TVAlign : uint8_t { vaTop = 0, vaMiddle = 1, vaBottom = 2 };

// A TD or TH: its contents and how it spans, sizes and aligns. Placeholder cells stand in the
// columns and rows that a spanning cell covers.
class TTableCell {
public:
    TCell Cell;
    int ColSpan = 1;
    int RowSpan = 1;
    int Width = 0; // WIDTH in pixels or percent; 0 not given
    bool WidthPercent = false;
    TVAlign VAlign = vaTop;
    TColor Background = 0;
    bool HasBackground = false;
    bool Placeholder = false;

    // Set by layout, in document coordinates: the cell's box including padding.
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;
};

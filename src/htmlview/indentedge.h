#pragma once

// One edge the indent tracker knows: on the left side X is the indent from the layout area's left
// edge, on the right side the X where the free area ends. It holds from top Y to bottom Y (bottom
// excluded). Level is the list level the floating image was placed at.
struct TIndentEdge {
    int X = 0;
    int TopY = 0;
    int BottomY = 0;
    int Level = 0;
};

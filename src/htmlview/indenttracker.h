#pragma once

#include "indentedge.h"

#include <vector>

// Keeps the free horizontal span of a layout area at every Y: list indents and floating images
// push the left edge right and pull the right edge in.
class TIndentTracker {
public:
    void Reset(int leftEdge, int width);
    void SetLevel(int level);
    int Level() const { return m_level; }

    // Indent of the free span at y, relative to the area's left edge (0 = the edge).
    int LeftIndent(int y) const;
    // The X (relative to the area's left edge) where the free span ends at y.
    int RightSide(int y) const;
    int Width() const { return m_width; }
    int LeftEdge() const { return m_leftEdge; }

    void AddLeft(int x, int topY, int bottomY, int level);
    // Forgets the floating images that end at or above y; nothing above y is asked for again.
    void DropEndedAbove(int y);
    void AddRight(int x, int topY, int bottomY, int level);
    // The lowest bottom of the floating images on one or both sides (0 when none).
    int FloatBottom(bool left, bool right) const;
    // After a clearing break that starts at y: the floating images on the cleared sides no
    // longer narrow anything from y on.
    void EndFloats(bool left, bool right, int y);
    // The lowest bottom of every floating image since the last reset, ended ones included.
    int LowestFloat() const { return m_lowest; }
    // The nearest bottom below y of the floating images that narrow the free span at y; -1 when
    // none does.
    int NextFloatBottom(int y) const;

private:
    int m_leftEdge = 0;
    int m_width = 0;
    int m_level = 0;
    int m_lowest = 0;
    std::vector<TIndentEdge> m_left;
    std::vector<TIndentEdge> m_right;
};

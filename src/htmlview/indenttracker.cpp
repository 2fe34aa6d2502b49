#include "indenttracker.h"

#include <algorithm>

// Left indents are absolute X values; the tracker answers in the same coordinates as layout uses.

void TIndentTracker::Reset(int leftEdge, int width)
{
    m_leftEdge = leftEdge;
    m_width = width;
    m_level = 0;
    m_lowest = 0;
    m_left.clear();
    m_right.clear();
}

void TIndentTracker::SetLevel(int level)
{
    m_level = level;
}

int TIndentTracker::LeftIndent(int y) const
{
    int x = m_leftEdge + m_level * 35;
    for (const TIndentEdge &e : m_left) {
        // A list nested deeper than the floating image beside it indents from the image, so
        // its bullets and numbers stand beside the image rather than over it.
        if (y >= e.TopY && y < e.BottomY)
            x = std::max(x, e.X + std::max(0, m_level - e.Level) * 35);
    }
    return x;
}

int TIndentTracker::RightSide(int y) const
{
    int x = m_leftEdge + m_width;
    for (const TIndentEdge &e : m_right) {
        if (y >= e.TopY && y < e.BottomY)
            x = std::min(x, e.X);
    }
    return x;
}

void TIndentTracker::DropEndedAbove(int y)
{
    // Edges that ended above every line still to come are dropped, so a long document with many
    // floating images does not make every later query slower.
    const auto ended = [y](const TIndentEdge &e) { return e.BottomY <= y; };
    std::erase_if(m_left, ended);
    std::erase_if(m_right, ended);
}

void TIndentTracker::AddLeft(int x, int topY, int bottomY, int level)
{
    m_left.push_back({x, topY, bottomY, level});
    m_lowest = std::max(m_lowest, bottomY);
}

void TIndentTracker::AddRight(int x, int topY, int bottomY, int level)
{
    m_right.push_back({x, topY, bottomY, level});
    m_lowest = std::max(m_lowest, bottomY);
}

int TIndentTracker::FloatBottom(bool left, bool right) const
{
    int bottom = 0;
    if (left) {
        for (const TIndentEdge &e : m_left)
            bottom = std::max(bottom, e.BottomY);
    }
    if (right) {
        for (const TIndentEdge &e : m_right)
            bottom = std::max(bottom, e.BottomY);
    }
    return bottom;
}

void TIndentTracker::EndFloats(bool left, bool right, int y)
{
    for (auto *side : {left ? &m_left : nullptr, right ? &m_right : nullptr}) {
        if (!side)
            continue;
        for (TIndentEdge &e : *side)
            e.BottomY = std::min(e.BottomY, y);
    }
}

int TIndentTracker::NextFloatBottom(int y) const
{
    int next = -1;
    for (const auto *side : {&m_left, &m_right}) {
        for (const TIndentEdge &e : *side) {
            if (e.TopY <= y && e.BottomY > y && (next < 0 || e.BottomY < next))
                next = e.BottomY;
        }
    }
    return next;
}

#include "pagebreak.h"

int TPageBreak::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    m_sectionHeight = 0;
    return TSectionBase::LayoutSection(indent, y, pos, maxWidth);
}

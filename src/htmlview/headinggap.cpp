#include "headinggap.h"

#include "viewdocument.h"

void THeadingGap::UpdateSpacing()
{
    static constexpr int kSpace[7] = {8, 16, 12, 10, 8, 6, 4};
    const int level = m_level >= 1 && m_level <= 6 ? m_level : 0;
    m_sectionHeight = MulDiv(kSpace[level], m_owner->DefaultFontSize, 12);
}

int THeadingGap::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    UpdateSpacing();
    return TSectionBase::LayoutSection(indent, y, pos, maxWidth);
}

#include "paragraphgap.h"

#include "viewdocument.h"

void TParagraphGap::UpdateSpacing()
{
    m_sectionHeight = MulDiv(14, m_owner->DefaultFontSize, 12);
}

int TParagraphGap::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    UpdateSpacing();
    return TSectionBase::LayoutSection(indent, y, pos, maxWidth);
}

#pragma once

#include "sectionbase.h"

// The space before and after a heading; taller for the bigger headings.
class THeadingGap : public TSectionBase {
public:
    THeadingGap(TViewDocument *owner, int level) : TSectionBase(owner), m_level(level) {}
    const char *KindName() const override { return "HeadingGap"; }
    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
    void UpdateSpacing() override;
    int Level() const { return m_level; }

private:
    int m_level = 0;
};

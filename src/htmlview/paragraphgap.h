#pragma once

#include "sectionbase.h"

// The space a P leaves: 14 pixels at the default font size 12, scaled with it.
class TParagraphGap : public TSectionBase {
public:
    explicit TParagraphGap(TViewDocument *owner) : TSectionBase(owner) {}
    const char *KindName() const override { return "ParagraphGap"; }
    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
    void UpdateSpacing() override;
};

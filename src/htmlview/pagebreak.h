#pragma once

#include "sectionbase.h"

// PAGE: a page break for printing; no height on screen.
class TPageBreak : public TSectionBase {
public:
    explicit TPageBreak(TViewDocument *owner) : TSectionBase(owner) {}
    const char *KindName() const override { return "PageBreak"; }
    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
};

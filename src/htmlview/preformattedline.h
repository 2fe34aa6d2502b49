#pragma once

#include "section.h"

// One line of PRE or of a plain-text file: a section that keeps every space and never wraps.
class TPreformattedLine : public TSection {
public:
    explicit TPreformattedLine(TViewDocument *owner, TJustify justify = jLeft) : TSection(owner, justify) {}
    const char *KindName() const override { return "Pre"; }
    // Keeps every space; a tab advances to the next multiple of eight columns of the line.
    void AddText(QStringView text) override;

protected:
    bool Wraps() const override { return false; }
};

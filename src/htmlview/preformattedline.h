#pragma once

#include "section.h"

// One line of PRE or of a plain-text file: a section that keeps every space and never wraps.
class TPreformattedLine : public TSection {
public:
    explicit TPreformattedLine(TViewDocument *owner, TJustify justify = jLeft) : TSection(owner, justify) {}
    const char *KindName() const override { return "Pre"; }
    void AddText(QStringView text) override { AddRawText(text); }

protected:
    bool Wraps() const override { return false; }
};

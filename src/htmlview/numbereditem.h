#pragma once

#include "section.h"

// An LI of OL: its number and a full stop left of the text.
class TNumberedItem : public TSection {
public:
    using TSection::TSection;
    const char *KindName() const override { return "Numbered"; }

protected:
    void DrawMarker(TDrawContext &dc, const TLineBox &first) const override;
};

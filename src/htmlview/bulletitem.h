#pragma once

#include "section.h"

// An LI of UL, DIR or MENU: a small round bullet left of the text, none for UL PLAIN.
class TBulletItem : public TSection {
public:
    using TSection::TSection;
    const char *KindName() const override { return "Bullet"; }

protected:
    void DrawMarker(TDrawContext &dc, const TLineBox &first) const override;
};

#include "bulletitem.h"

#include "viewdocument.h"

void TBulletItem::DrawMarker(TDrawContext &dc, const TLineBox &first) const
{
    if (Plain)
        return;
    ViewHost &host = *m_owner->Host();
    const int size = std::max(5, MulDiv(7, m_owner->DefaultFontSize, 12));
    const int x = first.X - size - 8 + dc.XOffset;
    const int y = first.Baseline() - first.Ascent / 2 - size / 2 + dc.YOffset;
    const QRect box(x, y, size, size);
    const TColor bg = m_owner->Background();
    const bool plainBackground =
        bg == clBtnFace || (!IsSystemColor(bg) && (ColorValue(bg) == clWhite || ColorValue(bg) == clSilver));
    if (plainBackground) {
        // Filled bullets coloured by nesting level: navy, maroon, red, and round again.
        static constexpr TColor kLevels[3] = {clNavy, clMaroon, clRed};
        const TColor colour = kLevels[(std::max(1, ListLevel) - 1) % 3];
        host.drawEllipse(box, host.toRgb(colour), TFill::Solid);
    } else {
        host.drawEllipse(box, host.toRgb(m_owner->DefaultFontColor), TFill::Outline);
    }
}

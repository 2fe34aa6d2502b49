#include "numbereditem.h"

#include "viewdocument.h"

void TNumberedItem::DrawMarker(TDrawContext &dc, const TLineBox &first) const
{
    ViewHost &host = *m_owner->Host();
    // The number takes the item's first font, but not the underline of a link the item starts with.
    TScaledFont numberFont = m_runs.front().Font;
    numberFont.Style &= ~fsUnderline;
    numberFont.ResetHandle();
    const TFontHandle font = numberFont.Handle(*m_owner, host);
    const QString text = QString::number(ListNumber) + QLatin1Char('.');
    const int width = host.textWidth(font, text);
    host.drawText(first.X - width - 6 + dc.XOffset, first.Baseline() + dc.YOffset, font,
                  host.toRgb(m_owner->DefaultFontColor), text);
}

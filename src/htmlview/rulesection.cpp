#include "rulesection.h"

#include "indenttracker.h"
#include "viewdocument.h"

#include <algorithm>

void TRuleSection::SetAttributes(int size, int width, bool widthPercent)
{
    m_thickness = size >= 1 && size <= 20 ? size : 2;
    m_percent = widthPercent && width >= 1 && width <= 100;
    m_givenWidth = widthPercent ? (m_percent ? width : 0) : std::max(0, width);
}

void TRuleSection::UpdateSpacing()
{
    m_sectionHeight = MulDiv(20, m_owner->DefaultFontSize, 12) - 2 + m_thickness;
}

int TRuleSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    UpdateSpacing();
    TSectionBase::LayoutSection(indent, y, pos, maxWidth);
    const int left = indent.LeftIndent(y);
    const int right = indent.RightSide(y);
    if (!m_givenWidth)
        m_width = std::max(0, right - left - 20);
    else if (m_percent)
        m_width = (right - left) * m_givenWidth / 100;
    else
        m_width = m_givenWidth;
    m_x = left + (right - left - m_width) / 2;
    if (m_x < left)
        m_x = left;
    m_ruleY = y + (m_sectionHeight - m_thickness) / 2;
    maxWidth = std::max(maxWidth, m_x + m_width - indent.LeftEdge());
    return m_sectionHeight;
}

TMinMax TRuleSection::MinMaxWidth()
{
    return {m_percent || !m_givenWidth ? 0 : m_givenWidth, m_percent || !m_givenWidth ? 0 : m_givenWidth};
}

void TRuleSection::Move(int dx, int dy)
{
    TSectionBase::Move(dx, dy);
    m_x += dx;
    m_ruleY += dy;
}

void TRuleSection::Draw(TDrawContext &dc) const
{
    ViewHost &host = *m_owner->Host();
    // A groove: shadow on top and left, highlight on bottom and right; silver where the
    // highlight would vanish (printing, or a plain white page).
    const bool plainWhite = m_owner->BackgroundImageName.isEmpty() && !IsSystemColor(m_owner->Background()) &&
                            ColorValue(m_owner->Background()) == clWhite;
    const QRgb dark = m_owner->Printing || plainWhite ? host.toRgb(clSilver) : host.toRgb(clBtnShadow);
    const QRgb light = m_owner->Printing || plainWhite ? host.toRgb(clSilver) : host.toRgb(clBtnHighlight);
    const int x0 = m_x + dc.XOffset;
    const int x1 = x0 + m_width - 1;
    const int y0 = m_ruleY + dc.YOffset;
    const int y1 = y0 + m_thickness - 1;
    if (m_width <= 0)
        return;
    host.drawLine({x0, y0}, {x1, y0}, dark);
    host.drawLine({x0, y0}, {x0, y1}, dark);
    host.drawLine({x0, y1}, {x1, y1}, light);
    host.drawLine({x1, y0}, {x1, y1}, light);
}

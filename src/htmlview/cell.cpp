#include "cell.h"

#include <algorithm>

TCell::~TCell() = default;

void TCell::Add(std::unique_ptr<TSectionBase> section)
{
    if (section)
        m_sections.push_back(std::move(section));
}

void TCell::UpdateFonts()
{
    for (auto &s : m_sections)
        s->UpdateFonts();
}

TSectionBase *TCell::FindSectionAtPosition(int pos) const
{
    // Sections are in position order, so a binary search finds the one holding pos.
    auto it =
        std::upper_bound(m_sections.begin(), m_sections.end(), pos,
                         [](int p, const std::unique_ptr<TSectionBase> &s) { return p < s->StartCurs(); });
    while (it != m_sections.begin()) {
        --it;
        if (pos < (*it)->StartCurs() + (*it)->Len())
            return it->get();
        if ((*it)->Len() > 0)
            break;
    }
    return nullptr;
}

std::vector<std::unique_ptr<TSectionBase>>::const_iterator TCell::FirstAt(int y) const
{
    // m_reach is the running maximum of the section bottoms (floating images included), so it
    // is sorted and every section before the one found ends at or above y.
    if (m_reach.size() != qsizetype(m_sections.size()))
        return m_sections.begin();
    const auto r = std::upper_bound(m_reach.begin(), m_reach.end(), y);
    return m_sections.begin() + (r - m_reach.begin());
}

TLinkHit TCell::GetURL(int x, int y) const
{
    for (auto it = FirstAt(y); it != m_sections.end() && (*it)->YValue() <= y; ++it) {
        TLinkHit hit = (*it)->GetURL(x, y);
        if (hit.Found)
            return hit;
    }
    return {};
}

int TCell::FindCursor(int x, int y) const
{
    for (auto it = FirstAt(y); it != m_sections.end() && (*it)->YValue() <= y; ++it) {
        const int pos = (*it)->FindCursor(x, y);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

int TCell::FindString(const QString &upperText, int from) const
{
    for (const auto &s : m_sections) {
        if (s->StartCurs() + s->Len() <= from && s->Len() > 0)
            continue;
        const int pos = s->FindString(upperText, from);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

bool TCell::CursorToXY(int pos, int &x, int &y) const
{
    for (const auto &s : m_sections) {
        if (s->CursorToXY(pos, x, y))
            return true;
    }
    return false;
}

void TCell::CopyToClipboard(QString &out, int selStart, int selEnd) const
{
    for (const auto &s : m_sections) {
        if (s->StartCurs() + s->Len() <= selStart || s->StartCurs() >= selEnd)
            continue;
        s->CopyToClipboard(out, selStart, selEnd);
    }
}

TLayoutSize TCell::LayoutCell(int x, int y, int width, int &pos)
{
    m_indent.Reset(x, width);
    m_topY = y;
    m_startCurs = pos;
    int maxWidth = 0;
    int cy = y;
    m_reach.clear();
    m_reach.reserve(m_sections.size());
    int reach = y;
    for (auto &s : m_sections) {
        cy += s->LayoutSection(m_indent, cy, pos, maxWidth);
        reach = std::max(reach, s->YValue() + std::max(s->DrawHeight(), s->SectionHeight()));
        m_reach.push_back(reach);
    }
    m_len = pos - m_startCurs;
    m_height = std::max(cy, m_indent.LowestFloat()) - y;
    return {m_height, maxWidth};
}

TMinMax TCell::MinMaxWidth()
{
    TMinMax result;
    for (auto &s : m_sections) {
        const TMinMax mm = s->MinMaxWidth();
        result.Min = std::max(result.Min, mm.Min + s->ListIndent());
        result.Max = std::max(result.Max, mm.Max + s->ListIndent());
    }
    return result;
}

void TCell::Draw(TDrawContext &dc) const
{
    const int top = dc.Clip.top() - dc.YOffset;
    const int bottom = dc.Clip.bottom() - dc.YOffset;
    for (auto it = FirstAt(top); it != m_sections.end(); ++it) {
        const TSectionBase &s = **it;
        if (s.YValue() > bottom)
            break;
        if (s.YValue() + std::max(s.DrawHeight(), s.SectionHeight()) < top)
            continue;
        s.Draw(dc);
    }
}

void TCell::Move(int dx, int dy)
{
    m_topY += dy;
    for (int &r : m_reach)
        r += dy;
    for (auto &s : m_sections)
        s->Move(dx, dy);
}

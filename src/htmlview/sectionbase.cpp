#include "sectionbase.h"

#include "indenttracker.h"

void TSectionBase::CopyToClipboard(QString &, int, int) const {}

int TSectionBase::LayoutSection(TIndentTracker &indent, int y, int &pos, int &)
{
    indent.SetLevel(ListLevel);
    m_yValue = y;
    m_startCurs = pos;
    pos += m_len;
    m_drawHeight = m_sectionHeight;
    return m_sectionHeight;
}

void TSectionBase::Draw(TDrawContext &) const {}
TLinkHit TSectionBase::GetURL(int, int) const
{
    return {};
}
int TSectionBase::FindCursor(int, int) const
{
    return -1;
}
int TSectionBase::FindString(const QString &, int) const
{
    return -1;
}
bool TSectionBase::CursorToXY(int, int &, int &) const
{
    return false;
}
void TSectionBase::UpdateFonts()
{
    UpdateSpacing();
}
void TSectionBase::UpdateSpacing() {}
TMinMax TSectionBase::MinMaxWidth()
{
    return {};
}
void TSectionBase::Move(int, int dy)
{
    m_yValue += dy;
}
void TSectionBase::ForEachNestedCell(const std::function<void(TCell &)> &) const {}

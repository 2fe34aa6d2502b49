#include "rulesection.h"

#include "viewdocument.h"

// Not yet done.
void TRuleSection::SetAttributes(int size, int width, bool widthPercent) { m_thickness = size >= 1 && size <= 20 ? size : 2; m_givenWidth = width; m_percent = widthPercent; }
int TRuleSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) { return TSectionBase::LayoutSection(indent, y, pos, maxWidth); }
void TRuleSection::Draw(TDrawContext &) const {}
void TRuleSection::UpdateSpacing() {}
TMinMax TRuleSection::MinMaxWidth() { return {}; }
void TRuleSection::Move(int dx, int dy) { TSectionBase::Move(dx, dy); }

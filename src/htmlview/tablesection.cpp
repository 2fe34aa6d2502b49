#include "tablesection.h"

#include "viewdocument.h"

// Not yet done.
void TTableSection::SetAttributes(int, bool, int, bool, int, bool) {}
TViewError TTableSection::Normalize() { return {}; }
void TTableSection::CopyToClipboard(QString &, int, int) const {}
int TTableSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) { return TSectionBase::LayoutSection(indent, y, pos, maxWidth); }
void TTableSection::Draw(TDrawContext &) const {}
TLinkHit TTableSection::GetURL(int, int) const { return {}; }
int TTableSection::FindCursor(int, int) const { return -1; }
int TTableSection::FindString(const QString &, int) const { return -1; }
bool TTableSection::CursorToXY(int, int &, int &) const { return false; }
void TTableSection::UpdateFonts() {}
TMinMax TTableSection::MinMaxWidth() { return {}; }
void TTableSection::Move(int dx, int dy) { TSectionBase::Move(dx, dy); }
void TTableSection::ColumnMinMax(std::vector<int> &, std::vector<int> &) {}
void TTableSection::ForEachCell(const std::function<void(TTableCell &)> &) const {}
bool TTableSection::UsesPixelWidths() const { return false; }

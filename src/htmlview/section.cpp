#include "section.h"

#include "viewdocument.h"

// Not yet done: filling works, line breaking and painting follow.
TSection::TSection(TViewDocument *owner, TJustify justify) : TSectionBase(owner), Justify(justify) {}
TSection::~TSection() = default;
void TSection::AddText(QStringView text) { AddRawText(text); }
void TSection::AddRawText(QStringView text) { m_text.append(text); }
void TSection::AddImage(std::unique_ptr<TInlineImage> image) { m_images.push_back(std::move(image)); }
void TSection::AddControl(std::unique_ptr<TFormControl> control) { m_controls.push_back(std::move(control)); }
void TSection::ChangeFont(const TScaledFont &, TScriptState) {}
void TSection::ChangeLink(const TLinkTarget &) {}
void TSection::CopyToClipboard(QString &, int, int) const {}
int TSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) { return TSectionBase::LayoutSection(indent, y, pos, maxWidth); }
void TSection::Draw(TDrawContext &) const {}
TLinkHit TSection::GetURL(int, int) const { return {}; }
int TSection::FindCursor(int, int) const { return -1; }
int TSection::FindString(const QString &, int) const { return -1; }
bool TSection::CursorToXY(int, int &, int &) const { return false; }
void TSection::UpdateFonts() {}
TMinMax TSection::MinMaxWidth() { return {}; }
void TSection::Move(int dx, int dy) { TSectionBase::Move(dx, dy); }
void TSection::DrawMarker(TDrawContext &, const TLineBox &) const {}

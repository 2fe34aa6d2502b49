// Painting, hit testing, find and copy of TSection; line breaking is in section.cpp.
#include "imagemap.h"
#include "section.h"
#include "viewdocument.h"

#include <algorithm>

namespace {
bool IsPlaceholderChar(QChar c)
{
    return c.unicode() == kImageChar || c.unicode() == kControlChar;
}
} // namespace

int TSection::LineAt(int y) const
{
    auto it =
        std::upper_bound(m_lines.begin(), m_lines.end(), y, [](int v, const TLineBox &l) { return v < l.Y; });
    if (it == m_lines.begin())
        return -1;
    --it;
    return y < it->Y + it->Height() ? int(it - m_lines.begin()) : -1;
}

int TSection::CharX(const TLineBox &line, int lineIndex, int index) const
{
    int x = line.X;
    for (int k = LinePiecesBegin(lineIndex); k < LinePiecesEnd(lineIndex); ++k) {
        const Piece &p = m_pieces[k];
        if (index < p.Start + p.Count) {
            if (index > p.Start && (p.Kind == PieceKind::Word || p.Kind == PieceKind::Space))
                x += m_owner->Host()->textWidth(RunFont(p.Run),
                                                QStringView(m_text).mid(p.Start, index - p.Start));
            return x;
        }
        x += p.Width;
    }
    return x;
}

int TSection::IndexAtX(int lineIndex, int x) const
{
    const TLineBox &line = m_lines[lineIndex];
    int px = line.X;
    if (x < px)
        return line.Start;
    for (int k = LinePiecesBegin(lineIndex); k < LinePiecesEnd(lineIndex); ++k) {
        const Piece &p = m_pieces[k];
        if (x < px + p.Width) {
            if (p.Kind != PieceKind::Word && p.Kind != PieceKind::Space)
                return x < px + p.Width / 2 ? p.Start : p.Start + 1;
            // Prefix widths grow with the prefix, so a binary search finds the last character
            // that starts left of x with a few measurements even in a very long word.
            ViewHost &host = *m_owner->Host();
            const TFontHandle font = RunFont(p.Run);
            const QStringView word = QStringView(m_text).mid(p.Start, p.Count);
            const int target = x - px;
            int lo = 0, hi = p.Count; // prefix lo starts at or left of target
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (host.textWidth(font, word.left(mid)) <= target)
                    lo = mid;
                else
                    hi = mid - 1;
            }
            if (lo >= p.Count)
                return p.Start + p.Count;
            const int before = host.textWidth(font, word.left(lo));
            const int after = host.textWidth(font, word.left(lo + 1));
            return p.Start + (target < (before + after) / 2 ? lo : lo + 1);
            return p.Start + p.Count;
        }
        px += p.Width;
    }
    return line.Start + line.Count;
}

void TSection::DrawLine(TDrawContext &dc, int lineIndex) const
{
    ViewHost &host = *m_owner->Host();
    const TLineBox &line = m_lines[lineIndex];
    const int first = LinePiecesBegin(lineIndex);
    int last = LinePiecesEnd(lineIndex);
    while (last > first && m_pieces[last - 1].Kind == PieceKind::Space)
        --last; // trailing spaces are not drawn (a link's underline stops at its last word)
    int x = line.X + dc.XOffset;
    const int baseline = line.Baseline() + dc.YOffset;
    const int top = line.Y + line.SpaceBefore + dc.YOffset;
    const QRgb background = host.toRgb(m_owner->Background());
    for (int k = first; k < last; ++k) {
        const Piece &p = m_pieces[k];
        if (p.Kind == PieceKind::Image) {
            m_images[p.Object]->Draw(*m_owner, host, dc.XOffset, dc.YOffset);
        } else if (p.Kind == PieceKind::Control) {
            const TFormControl &c = *m_controls[p.Object];
            c.Draw(*m_owner, host, dc.XOffset, dc.YOffset);
            c.Shown = true;
        } else if (p.Kind != PieceKind::Float) {
            const TFontRun &run = m_runs[p.Run];
            const TFontHandle font = RunFont(p.Run);
            const QRgb colour = host.toRgb(run.Font.Color);
            int y = baseline;
            if (run.Script != ssNormal) {
                const int shift = std::max(1, line.Ascent / 3);
                y += run.Script == ssSuperscript ? -shift : shift / 2;
            }
            const QStringView text = QStringView(m_text).mid(p.Start, p.Count);
            const int g0 = m_startCurs + p.Start;
            const int g1 = g0 + p.Count;
            if (dc.SelStart < g1 && dc.SelEnd > g0 && dc.SelStart < dc.SelEnd) {
                // Selected characters are drawn inverted: on a block of the text colour, in the
                // background colour.
                const int a = std::max(dc.SelStart, g0) - g0;
                const int b = std::min(dc.SelEnd, g1) - g0;
                const int xa = x + (a ? host.textWidth(font, text.left(a)) : 0);
                const int xb = x + (b < p.Count ? host.textWidth(font, text.left(b)) : p.Width);
                if (a > 0)
                    host.drawText(x, y, font, colour, text.left(a));
                host.fillRect(QRect(xa, top, xb - xa, line.LineHeight), colour);
                host.drawText(xa, y, font, background, text.mid(a, b - a));
                if (b < p.Count)
                    host.drawText(xb, y, font, colour, text.mid(b));
            } else {
                host.drawText(x, y, font, colour, text);
            }
        }
        x += p.Width;
    }
}

void TSection::Draw(TDrawContext &dc) const
{
    if (m_lines.empty())
        return;
    ViewHost &host = *m_owner->Host();
    const int top = dc.Clip.top() - dc.YOffset;
    const int bottom = dc.Clip.bottom() - dc.YOffset;
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), top,
                               [](int v, const TLineBox &l) { return v < l.Y + l.Height(); });
    for (; it != m_lines.end() && it->Y <= bottom; ++it) {
        const int index = int(it - m_lines.begin());
        if (index == 0)
            DrawMarker(dc, *it);
        DrawLine(dc, index);
    }
    for (const auto &img : m_images) {
        if (img->Floating() && img->Y <= bottom && img->Y + img->ShownHeight >= top)
            img->Draw(*m_owner, host, dc.XOffset, dc.YOffset);
    }
}

void TSection::DrawMarker(TDrawContext &, const TLineBox &) const {}

TLinkHit TSection::GetURL(int x, int y) const
{
    const auto imageHit = [&](const TInlineImage &img, const TLinkTarget &link) -> TLinkHit {
        const int border = img.Border ? 1 : 0;
        const int ix = x - img.X - border;
        const int iy = y - img.Y - border;
        if (img.UseMap) {
            if (const TImageMap *map = m_owner->FindMap(img.MapName)) {
                const TMapArea *area = map->Find(ix, iy);
                if (area && !area->Link.isEmpty())
                    return {true, area->Link};
                return {};
            }
        }
        if (link.isEmpty())
            return {};
        TLinkHit hit{true, link};
        if (img.IsMap)
            hit.Link.URL += QStringLiteral("?%1,%2").arg(ix).arg(iy);
        return hit;
    };
    for (const auto &img : m_images) {
        if (img->Floating() && QRect(img->X, img->Y, img->ShownWidth, img->ShownHeight).contains(x, y))
            return imageHit(*img, RunAt(img->Pos).Link);
    }
    const int li = LineAt(y);
    if (li < 0)
        return {};
    int px = m_lines[li].X;
    for (int k = LinePiecesBegin(li); k < LinePiecesEnd(li); ++k) {
        const Piece &p = m_pieces[k];
        if (x >= px && x < px + p.Width) {
            const TFontRun &run = m_runs[p.Run];
            if (p.Kind == PieceKind::Image) {
                const TInlineImage &img = *m_images[p.Object];
                if (QRect(img.X, img.Y, img.ShownWidth, img.ShownHeight).contains(x, y))
                    return imageHit(img, run.Link);
                return {};
            }
            if (p.Kind == PieceKind::Control || run.Link.isEmpty())
                return {};
            return {true, run.Link};
        }
        px += p.Width;
    }
    return {};
}

int TSection::FindCursor(int x, int y) const
{
    if (m_lines.empty() || y < m_yValue || y >= m_yValue + m_sectionHeight)
        return -1;
    int li = LineAt(y);
    if (li < 0) // in the clearing space above the first line
        li = 0;
    return m_startCurs + IndexAtX(li, x);
}

bool TSection::CursorToXY(int pos, int &x, int &y) const
{
    const int index = pos - m_startCurs;
    if (m_lines.empty() || index < 0 || index >= m_len)
        return false;
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), index,
                               [](int i, const TLineBox &l) { return i < l.Start; });
    const int li = int(it - m_lines.begin()) - 1;
    if (li < 0)
        return false;
    x = CharX(m_lines[li], li, index);
    y = m_lines[li].Y;
    return true;
}

int TSection::FindString(const QString &upperText, int from) const
{
    const int start = std::max(0, from - m_startCurs);
    if (start >= m_text.size())
        return -1;
    const qsizetype at = m_text.indexOf(upperText, start, Qt::CaseInsensitive);
    return at < 0 ? -1 : m_startCurs + int(at);
}

void TSection::CopyToClipboard(QString &out, int selStart, int selEnd) const
{
    const int a = std::max(0, selStart - m_startCurs);
    const int b = std::min(m_len, selEnd - m_startCurs);
    for (int i = a; i < b; ++i) {
        if (!IsPlaceholderChar(m_text[i]))
            out += m_text[i];
    }
    if (selEnd > m_startCurs + m_len && m_len > 0)
        out += QLatin1String("\r\n");
}

#include "section.h"

#include "indenttracker.h"
#include "viewdocument.h"

#include <algorithm>

TSection::TSection(TViewDocument *owner, TJustify justify) : TSectionBase(owner), Justify(justify) {}

TSection::~TSection() = default;

// ---- filling ----

TFontRun &TSection::RunForChange()
{
    const int at = int(m_text.size());
    if (!m_runs.empty() && m_runs.back().Start == at)
        return m_runs.back();
    if (m_runs.empty()) {
        m_runs.emplace_back().Font.Color = m_owner->DefaultFontColor;
    } else {
        m_runs.push_back(m_runs.back()); // a new run keeps the previous run's link
    }
    m_runs.back().Start = at;
    return m_runs.back();
}

void TSection::ChangeFont(const TScaledFont &font, TScriptState script)
{
    TFontRun &run = RunForChange();
    run.Font = font;
    run.Script = script;
    if (script != ssNormal)
        run.Font.NominalSize = std::max(1, font.NominalSize * 3 / 4);
    run.Font.ResetHandle();
    m_piecesValid = m_minMaxValid = false;
}

void TSection::ChangeLink(const TLinkTarget &link)
{
    RunForChange().Link = link;
}

void TSection::AddText(QStringView text)
{
    if (text.isEmpty() || m_text.size() >= kMaxSectionText)
        return;
    if (text.front() == QLatin1Char(' ') &&
        (m_text.isEmpty() || m_text.back() == QLatin1Char(' ') || m_onlyFloats))
        text = text.mid(1);
    AddRawText(text);
}

void TSection::AddRawText(QStringView text)
{
    const qsizetype room = kMaxSectionText - m_text.size();
    if (text.isEmpty() || room <= 0)
        return;
    if (m_runs.empty())
        RunForChange();
    m_text.append(text.left(room));
    m_onlyFloats = false;
    m_piecesValid = m_minMaxValid = false;
}

void TSection::AddImage(std::unique_ptr<TInlineImage> image)
{
    if (m_text.size() >= kMaxSectionText)
        return;
    if (m_runs.empty())
        RunForChange();
    image->Pos = int(m_text.size());
    m_text.append(QChar(kImageChar));
    if (!image->Floating())
        m_onlyFloats = false;
    m_images.push_back(std::move(image));
    m_piecesValid = m_minMaxValid = false;
}

void TSection::AddControl(std::unique_ptr<TFormControl> control)
{
    if (m_text.size() >= kMaxSectionText)
        return;
    if (m_runs.empty())
        RunForChange();
    control->Pos = int(m_text.size());
    m_text.append(QChar(kControlChar));
    m_onlyFloats = false;
    m_controls.push_back(std::move(control));
    m_piecesValid = m_minMaxValid = false;
}

// ---- measuring ----

TFontHandle TSection::RunFont(int run) const
{
    return m_runs[run].Font.Handle(*m_owner, *m_owner->Host());
}

void TSection::EnsurePieces()
{
    if (m_piecesValid && m_piecesShowImages == m_owner->ShowImages)
        return;
    ViewHost &host = *m_owner->Host();
    m_pieces.clear();
    m_piecesWidth = 0;
    m_piecesShowImages = m_owner->ShowImages;
    m_minMaxValid = false;
    for (auto &image : m_images)
        image->Measure(*m_owner, host);
    for (auto &control : m_controls)
        control->Measure(*m_owner, host);

    const QStringView text(m_text);
    const int size = int(text.size());
    // Text alternates words and spaces: prose of words of four or five letters makes about a
    // third as many pieces as characters. Reserving half as many once (at most a growth step
    // above that) saves growing the vector piece by piece.
    if (m_pieces.capacity() == 0)
        m_pieces.reserve(size / 2 + 4);
    int image = 0, control = 0;
    for (int r = 0; r < int(m_runs.size()); ++r) {
        const int end = r + 1 < int(m_runs.size()) ? std::min(m_runs[r + 1].Start, size) : size;
        TFontHandle font = 0;
        int oneSpace = -1; // the width of a single space in this run's font, once measured
        for (int i = m_runs[r].Start; i < end;) {
            Piece p;
            p.Start = i;
            p.Run = r;
            const char16_t c = text[i].unicode();
            if (c == kImageChar) {
                const TInlineImage &img = *m_images[image];
                p.Object = image++;
                p.Kind = img.Floating() ? PieceKind::Float : PieceKind::Image;
                p.Width = img.Floating() ? 0 : img.LineWidth();
                ++i;
            } else if (c == kControlChar) {
                p.Object = control++;
                p.Kind = PieceKind::Control;
                p.Width = m_controls[p.Object]->Width ? m_controls[p.Object]->Width + 2 : 0;
                ++i;
            } else {
                const bool space = c == u' ';
                int j = i + 1;
                if (space) {
                    while (j < end && text[j].unicode() == u' ')
                        ++j;
                } else {
                    // Above the space there are neither spaces nor placeholders.
                    for (char16_t d; j < end && ((d = text[j].unicode()) > u' ' ||
                                                 (d != u' ' && d != kImageChar && d != kControlChar));)
                        ++j;
                }
                if (!font)
                    font = RunFont(r);
                p.Kind = space ? PieceKind::Space : PieceKind::Word;
                if (space && j - i == 1) {
                    // Most spaces between words are single: measured once per run.
                    if (oneSpace < 0)
                        oneSpace = host.textWidth(font, text.mid(i, 1));
                    p.Width = oneSpace;
                } else {
                    p.Width = host.textWidth(font, text.mid(i, j - i));
                }
                i = j;
            }
            p.Count = i - p.Start;
            m_piecesWidth += p.Width;
            m_pieces.push_back(p);
        }
    }
    m_piecesValid = true;
}

TMinMax TSection::MinMaxWidth()
{
    if (m_minMaxValid && m_piecesValid && m_piecesShowImages == m_owner->ShowImages)
        return m_minMax;
    EnsurePieces();
    int total = 0, widest = 0, word = 0;
    for (const Piece &p : m_pieces) {
        int w = p.Width;
        if (p.Kind == PieceKind::Float)
            w = m_images[p.Object]->ShownWidth + m_images[p.Object]->HSpace;
        total += w;
        if (p.Kind == PieceKind::Word) {
            word += w;
        } else {
            word = 0;
            if (p.Kind != PieceKind::Space)
                widest = std::max(widest, w);
        }
        widest = std::max(widest, word);
    }
    if (!Wraps())
        widest = total;
    m_minMax = {widest, total}; // the cell adds the list indent
    m_minMaxValid = true;
    return m_minMax;
}

// ---- line breaking ----

void TSection::PlaceFloat(TIndentTracker &indent, TInlineImage &image, int y)
{
    // A picture that does not fit beside the floating pictures already there goes below them.
    y = BelowFloats(indent, y, image.ShownWidth);
    image.Y = y;
    const int bottom = y + image.ShownHeight;
    if (image.Align == iaLeft) {
        image.X = indent.LeftIndent(y);
        indent.AddLeft(image.X + image.ShownWidth + image.HSpace, y, bottom, indent.Level());
    } else {
        const int right = indent.RightSide(y);
        image.X = right - image.ShownWidth;
        indent.AddRight(right - image.ShownWidth - image.HSpace, y, bottom, indent.Level());
    }
    m_drawHeight = std::max(m_drawHeight, bottom - m_yValue);
}

int TSection::BreakLine(TIndentTracker &indent, int first, int cy, TLineBox &line)
{
    const int n = int(m_pieces.size());
    int k = first;
    // Floating images at the start of a line are placed first, so the line runs beside them.
    while (k < n && m_pieces[k].Kind == PieceKind::Float) {
        PlaceFloat(indent, *m_images[m_pieces[k].Object], cy);
        ++k;
    }
    const int contentStart = k;
    // When the first word or object does not fit beside the floating pictures, the line moves
    // down past them rather than standing one word a line beside them, out of view.
    const int y = Wraps() && k < n ? BelowFloats(indent, cy, LeadingWidth(k)) : cy;
    line.X = indent.LeftIndent(y);
    const int right = indent.RightSide(y);
    const int span = right - line.X;
    const bool wraps = Wraps();
    int width = 0;
    int breakAt = -1; // the line may end before this piece
    int end = n;
    for (; k < n; ++k) {
        const Piece &p = m_pieces[k];
        if (p.Kind == PieceKind::Float) {
            PlaceFloat(indent, *m_images[p.Object], y);
            breakAt = k + 1;
            continue;
        }
        if (p.Kind == PieceKind::Space) {
            width += p.Width;
            breakAt = k + 1;
            continue;
        }
        const bool overflows = wraps && width + p.Width > span;
        if (p.Kind == PieceKind::Image || p.Kind == PieceKind::Control) {
            if (overflows && k > contentStart) {
                end = k; // an object that does not fit goes to the next line
                break;
            }
            width += p.Width;
            breakAt = k + 1;
            continue;
        }
        if (overflows) {
            if (breakAt > contentStart) {
                end = breakAt;
            } else {
                // One word wider than the span: the line holds the whole word anyway.
                while (k < n && m_pieces[k].Kind == PieceKind::Word)
                    ++k;
                end = k;
            }
            break;
        }
        width += p.Width;
    }
    while (end < n && m_pieces[end].Kind == PieceKind::Space)
        ++end; // spaces at a break stay at the end of the line
    if (end <= first)
        end = first + 1;

    // Width without trailing spaces, and the justified start.
    int last = end;
    while (last > first && m_pieces[last - 1].Kind == PieceKind::Space)
        --last;
    line.Width = 0;
    for (int i = first; i < last; ++i)
        line.Width += m_pieces[i].Width;
    switch (Justify) {
    case jCenter:
        line.X = std::max(line.X, (line.X + right - line.Width) / 2);
        break;
    case jRight:
        line.X = std::max(line.X, right - line.Width);
        break;
    default:
        break;
    }
    line.Start = m_pieces[first].Start;
    line.Count = (end < n ? m_pieces[end].Start : int(m_text.size())) - line.Start;
    line.Y = cy;
    PlaceLine(line, first, end, y - cy);
    return end;
}

int TSection::LeadingWidth(int k) const
{
    const int n = int(m_pieces.size());
    while (k < n && m_pieces[k].Kind == PieceKind::Space)
        ++k;
    if (k == n || m_pieces[k].Kind == PieceKind::Float)
        return 0;
    if (m_pieces[k].Kind != PieceKind::Word)
        return m_pieces[k].Width;
    int width = 0;
    for (; k < n && m_pieces[k].Kind == PieceKind::Word; ++k)
        width += m_pieces[k].Width;
    return width;
}

int TSection::BelowFloats(const TIndentTracker &indent, int y, int width)
{
    while (indent.RightSide(y) - indent.LeftIndent(y) < width) {
        const int next = indent.NextFloatBottom(y);
        if (next < 0)
            break;
        y = next;
    }
    return y;
}

void TSection::PlaceLine(TLineBox &line, int first, int last, int skip)
{
    ViewHost &host = *m_owner->Host();
    // The line is as high as its tallest font; the baseline sits below the tallest ascent, so
    // no text reaches into the line above. Every run of the line counts, a floating image's too:
    // a line that holds nothing but a floating picture is still a line of text high, so what
    // follows it starts a line lower.
    // Pieces follow their runs in order, and every run but the last holds a piece, so the runs
    // of the line are those from its first piece's to its last piece's.
    int ascent = 0, height = 0;
    const int lastRun = last > first ? m_pieces[last - 1].Run : -1;
    for (int r = last > first ? m_pieces[first].Run : 0; r <= lastRun; ++r) {
        const TFontMetrics m = host.fontMetrics(RunFont(r));
        ascent = std::max(ascent, m.Ascent);
        height = std::max(height, m.Height());
    }
    line.Ascent = ascent;
    line.LineHeight = height;
    line.SpaceBefore = line.SpaceAfter = 0;
    if (m_images.empty() && m_controls.empty()) {
        line.SpaceBefore = skip; // plain text: nothing to make room for or to place
        return;
    }
    for (int i = first; i < last; ++i) {
        const Piece &p = m_pieces[i];
        if (p.Kind == PieceKind::Image) {
            const TInlineImage &img = *m_images[p.Object];
            const int extra = img.ShownHeight - line.LineHeight;
            if (img.Align == iaTop) {
                line.SpaceAfter = std::max(line.SpaceAfter, extra);
            } else if (img.Align == iaMiddle) {
                line.SpaceBefore = std::max(line.SpaceBefore, extra / 2);
                line.SpaceAfter = std::max(line.SpaceAfter, extra - extra / 2);
            } else {
                line.SpaceBefore = std::max(line.SpaceBefore, img.ShownHeight - ascent);
            }
        } else if (p.Kind == PieceKind::Control) {
            line.SpaceBefore = std::max(line.SpaceBefore, m_controls[p.Object]->Height - line.LineHeight);
        }
    }
    line.SpaceBefore += skip;
    // Objects are placed along the line now that its height is known.
    int x = line.X;
    const int top = line.Y + line.SpaceBefore;
    for (int i = first; i < last; ++i) {
        const Piece &p = m_pieces[i];
        if (p.Kind == PieceKind::Image) {
            TInlineImage &img = *m_images[p.Object];
            img.X = x + (img.HSpace + 1) / 2; // the horizontal space is shared by both sides
            if (img.Align == iaTop)
                img.Y = top;
            else if (img.Align == iaMiddle)
                img.Y = top + (line.LineHeight - img.ShownHeight) / 2;
            else
                img.Y = top + ascent - img.ShownHeight;
        } else if (p.Kind == PieceKind::Control) {
            TFormControl &c = *m_controls[p.Object];
            c.X = x + 1;
            c.Y = top + line.LineHeight - c.Height;
        }
        x += p.Width;
    }
}

int TSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    m_yValue = y;
    m_startCurs = pos;
    m_len = int(m_text.size());
    pos += m_len;
    m_lines.clear();
    m_piecesLaidOut = 0;
    m_drawHeight = 0;
    indent.SetLevel(ListLevel);
    indent.DropEndedAbove(y);
    int cy = y;
    if (Clear != cmNone) {
        // After BR CLEAR the section starts one pixel above the bottom of the floating images on
        // the cleared side, and those images no longer narrow its lines nor anything after it.
        const bool left = Clear & cmLeft, right = Clear & cmRight;
        cy = std::max(cy, indent.FloatBottom(left, right) - 1);
        indent.EndFloats(left, right, cy);
    }
    if (!m_text.isEmpty()) {
        EnsurePieces();
        const int n = int(m_pieces.size());
        if (m_lines.capacity() == 0) {
            // A first layout makes room at once for about the lines the text needs at this
            // width (a line holds one piece at least), rather than growing line by line.
            const int span = std::max(1, indent.RightSide(cy) - indent.LeftIndent(cy));
            const size_t lines = size_t(std::min<int64_t>(m_piecesWidth / span, n)) + 2;
            m_lines.reserve(lines);
        }
        for (int k = 0; k < n;) {
            TLineBox line;
            const int end = BreakLine(indent, k, cy, line);
            line.FirstPiece = k;
            m_lines.push_back(line);
            cy += line.Height();
            maxWidth = std::max(maxWidth, line.X + line.Width - indent.LeftEdge());
            k = end;
        }
        m_piecesLaidOut = n;
        for (const auto &img : m_images)
            maxWidth = std::max(maxWidth, img->LineWidth() + ListIndent());
        for (const auto &c : m_controls)
            maxWidth = std::max(maxWidth, c->Width + ListIndent());
    } else if (!Wraps() && !m_runs.empty()) {
        // A blank line of preformatted text or of a text file keeps the height of its font;
        // without it every empty line would vanish.
        cy += m_owner->Host()->fontMetrics(RunFont(0)).Height();
    }
    m_sectionHeight = cy - y;
    m_drawHeight = std::max(m_drawHeight, m_sectionHeight);
    return m_sectionHeight;
}

void TSection::UpdateFonts()
{
    for (TFontRun &r : m_runs)
        r.Font.ResetHandle();
    m_piecesValid = m_minMaxValid = false;
}

void TSection::Move(int dx, int dy)
{
    TSectionBase::Move(dx, dy);
    for (TLineBox &l : m_lines) {
        l.X += dx;
        l.Y += dy;
    }
    for (auto &img : m_images) {
        img->X += dx;
        img->Y += dy;
    }
    for (auto &c : m_controls) {
        c->X += dx;
        c->Y += dy;
    }
}

const TFontRun &TSection::RunAt(int index) const
{
    auto it = std::upper_bound(m_runs.begin(), m_runs.end(), index,
                               [](int i, const TFontRun &r) { return i < r.Start; });
    return it == m_runs.begin() ? m_runs.front() : *(it - 1);
}

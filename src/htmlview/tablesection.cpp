#include "tablesection.h"

#include "indenttracker.h"
#include "viewdocument.h"

#include <algorithm>
#include <numeric>

void TTableSection::SetAttributes(int border, bool hasBorder, int padding, bool hasPadding, int spacing,
                                  bool hasSpacing)
{
    Border = hasBorder && border > 0 ? border : 0;
    CellPadding = hasPadding ? std::clamp(padding + 1, 0, 40) : 2;
    CellSpacing = hasSpacing ? std::clamp(spacing + 1, 0, 50) : 3;
    if (!Border && CellPadding > 0)
        --CellPadding;
}

TViewError TTableSection::Normalize()
{
    if (m_normalized)
        return {};
    m_normalized = true;
    TViewError error;
    const auto placeholder = [] {
        auto cell = std::make_unique<TTableCell>();
        cell->Placeholder = true;
        return cell;
    };
    const auto checkColumns = [&] {
        m_columns = 0;
        for (TTableRow &row : Rows) {
            if (int(row.size()) > kMaxTableColumns) {
                error = {TViewErrorKind::ProcessError, QStringLiteral("Table has too many Columns")};
                row.resize(kMaxTableColumns);
            }
            m_columns = std::max(m_columns, int(row.size()));
        }
    };
    // A cell spanning n columns is followed by n - 1 placeholders in its row.
    for (TTableRow &row : Rows) {
        if (std::all_of(row.begin(), row.end(), [](const auto &cell) { return cell->ColSpan <= 1; }))
            continue;
        TTableRow spread;
        for (auto &cell : row) {
            const int span = cell->ColSpan;
            spread.push_back(std::move(cell));
            for (int i = 1; i < span && int(spread.size()) <= kMaxTableColumns; ++i)
                spread.push_back(placeholder());
        }
        row = std::move(spread);
    }
    checkColumns();
    // A cell spanning rows puts placeholders at its columns in the rows below it.
    const int rows = int(Rows.size());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < int(Rows[r].size()); ++c) {
            TTableCell &cell = *Rows[r][c];
            if (cell.Placeholder || cell.RowSpan <= 1)
                continue;
            cell.RowSpan = std::min(cell.RowSpan, rows - r);
            for (int r2 = r + 1; r2 < r + cell.RowSpan; ++r2) {
                TTableRow &below = Rows[r2];
                if (int(below.size()) > kMaxTableColumns)
                    continue;
                while (int(below.size()) < c)
                    below.push_back(placeholder());
                for (int k = 0; k < cell.ColSpan && int(below.size()) <= kMaxTableColumns; ++k)
                    below.insert(below.begin() + c, placeholder());
            }
        }
    }
    checkColumns();
    if (HasBackground) {
        for (TTableRow &row : Rows) {
            for (auto &cell : row) {
                if (!cell->HasBackground && !cell->Placeholder)
                    cell->Background = Background, cell->HasBackground = true;
            }
        }
    }
    return error;
}

void TTableSection::ForEachCell(const std::function<void(TTableCell &)> &f) const
{
    if (Caption && CaptionOnTop)
        f(*Caption);
    for (const TTableRow &row : Rows) {
        for (const auto &cell : row) {
            if (!cell->Placeholder)
                f(*cell);
        }
    }
    if (Caption && !CaptionOnTop)
        f(*Caption);
}

void TTableSection::ForEachNestedCell(const std::function<void(TCell &)> &f) const
{
    ForEachCell([&f](TTableCell &cell) { f(cell.Cell); });
}

void TTableSection::ColumnMinMax()
{
    if (m_colsValid && m_colsShowImages == m_owner->ShowImages)
        return;
    Normalize();
    const int extra = 2 * CellPadding + CellSpacing;
    for (TColumnValues *values : {&m_colMin, &m_colMax, &m_colPercent, &m_colPixels}) {
        values->resize(m_columns);
        std::fill(values->begin(), values->end(), 0);
    }
    int maxSpan = 1;
    for (const TTableRow &row : Rows) {
        for (int c = 0; c < int(row.size()); ++c) {
            TTableCell &cell = *row[c];
            if (cell.Placeholder || cell.ColSpan != 1) {
                maxSpan = std::max(maxSpan, cell.Placeholder ? 1 : cell.ColSpan);
                continue;
            }
            const TMinMax mm = cell.Cell.MinMaxWidth();
            const int lo = mm.Min + extra;
            int hi = std::max(mm.Max + extra, lo);
            if (cell.Width && !cell.WidthPercent) {
                hi = std::max(lo, cell.Width + extra);
                m_colPixels[c] = std::max(m_colPixels[c], cell.Width + extra);
            }
            if (cell.Width && cell.WidthPercent)
                m_colPercent[c] = std::max(m_colPercent[c], cell.Width);
            m_colMin[c] = std::max(m_colMin[c], lo);
            m_colMax[c] = std::max(m_colMax[c], hi);
        }
    }
    // Spanning cells widen the columns they cover, in proportion to the columns' widths.
    const auto widen = [](TColumnValues &w, int c, int span, int need) {
        const int have = std::accumulate(w.begin() + c, w.begin() + c + span, 0);
        if (need <= have)
            return;
        const int short_ = need - have;
        int given = 0;
        for (int k = 0; k < span; ++k) {
            const int add = have > 0 ? int(int64_t(short_) * w[c + k] / have) : short_ / span;
            w[c + k] += add;
            given += add;
        }
        w[c + span - 1] += short_ - given;
    };
    for (int span = 2; span <= maxSpan; ++span) {
        for (const TTableRow &row : Rows) {
            for (int c = 0; c < int(row.size()); ++c) {
                TTableCell &cell = *row[c];
                if (cell.Placeholder || cell.ColSpan != span)
                    continue;
                const int n = std::min(span, m_columns - c);
                const TMinMax mm = cell.Cell.MinMaxWidth();
                const int lo = mm.Min + extra;
                widen(m_colMin, c, n, lo);
                widen(m_colMax, c, n, std::max(mm.Max + extra, lo));
            }
        }
    }
    for (int c = 0; c < m_columns; ++c)
        m_colMax[c] = std::max(m_colMax[c], m_colMin[c]);
    m_colsValid = true;
    m_colsShowImages = m_owner->ShowImages;
}

void TTableSection::LayOutColumns(int target, bool fill)
{
    // The automatic table layout of the browsers of its time: every column starts at its
    // minimum (the widest thing it cannot break); the room left goes first to the percentage
    // columns up to their share, then to the columns with a pixel width up to it, then to the
    // other columns up to their maximum, each group shrinking towards its minimums in proportion
    // when the room does not reach. A table that must fill its width hands what is still left
    // to the other columns by their maximum widths (or, without such columns, to all).
    const int n = m_columns;
    enum Kind : uint8_t { Percent, Pixel, Automatic };
    // Filled in place, never move-assigned: Qt 6.4 leaks the heap buffer a QVarLengthArray held
    // before a move assignment.
    TColumnValues &widths = m_colWidths;
    widths = m_colMin;
    TColumnValues want(n, 0);
    QVarLengthArray<Kind, kMaxTableColumns> kind(n, Automatic);
    int pctTotal = 0;
    for (int c = 0; c < n; ++c)
        pctTotal += m_colPercent[c];
    const int pctScale = std::max(100, pctTotal);
    for (int c = 0; c < n; ++c) {
        const int share =
            m_colPercent[c] ? int(int64_t(std::max(0, target)) * m_colPercent[c] / pctScale) : 0;
        if (m_colPercent[c] && share >= m_colMin[c])
            kind[c] = Percent, want[c] = share;
        else if (m_colPixels[c])
            kind[c] = Pixel, want[c] = std::max(m_colMin[c], m_colPixels[c]);
        else
            want[c] = m_colMax[c];
    }
    int64_t room = int64_t(target) - std::accumulate(m_colMin.begin(), m_colMin.end(), int64_t(0));
    // Gives up to room to the columns of one kind, in proportion to what each still wants.
    const auto grow = [&](Kind k) {
        int64_t need = 0;
        for (int c = 0; c < n; ++c)
            need += kind[c] == k ? want[c] - widths[c] : 0;
        if (need <= 0 || room <= 0)
            return;
        const int64_t give = std::min(need, room);
        int64_t given = 0;
        int last = -1;
        for (int c = 0; c < n; ++c) {
            if (kind[c] != k || want[c] <= widths[c])
                continue;
            const int64_t add = (want[c] - widths[c]) * give / need;
            widths[c] += int(add);
            given += add;
            last = c;
        }
        if (last >= 0)
            widths[last] += int(give - given);
        room -= give;
    };
    grow(Percent);
    grow(Pixel);
    grow(Automatic);
    if (fill && room > 0 && n > 0) {
        const bool anyAutomatic = std::find(kind.begin(), kind.end(), Automatic) != kind.end();
        int64_t weight = 0;
        for (int c = 0; c < n; ++c)
            weight += !anyAutomatic || kind[c] == Automatic ? std::max(1, widths[c]) : 0;
        int64_t given = 0;
        int last = -1;
        for (int c = 0; c < n; ++c) {
            if (anyAutomatic && kind[c] != Automatic)
                continue;
            const int64_t add = room * std::max(1, widths[c]) / weight;
            widths[c] += int(add);
            given += add;
            last = c;
        }
        widths[last] += int(room - given);
    }
}

TMinMax TTableSection::MinMaxWidth()
{
    ColumnMinMax();
    int lo = CellSpacing, hi = CellSpacing;
    for (int c = 0; c < m_columns; ++c)
        lo += m_colMin[c], hi += std::max(m_colMin[c], m_colPixels[c] ? m_colPixels[c] : m_colMax[c]);
    if (Caption) {
        const TMinMax cap = Caption->Cell.MinMaxWidth();
        lo = std::max(lo, cap.Min);
        hi = std::max(hi, cap.Max);
    }
    if (Width && !WidthPercent) {
        // A table of a pixel width keeps it wherever it stands.
        lo = std::max(lo, Width);
        hi = lo;
    }
    return {lo, hi};
}

int TTableSection::LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth)
{
    m_yValue = y;
    m_startCurs = pos;
    indent.SetLevel(ListLevel);
    ColumnMinMax();
    const int left = indent.LeftIndent(y);
    const int right = indent.RightSide(y);
    const int span = std::max(0, right - left);
    // A table with a WIDTH fills it; any other is as wide as its contents, at most the span.
    int target = span;
    if (Width)
        target = WidthPercent ? span * Width / 100 : Width;
    LayOutColumns(target - CellSpacing, Width != 0);
    m_tableWidth = std::accumulate(m_colWidths.begin(), m_colWidths.end(), 0) + CellSpacing;
    if (Caption)
        m_tableWidth = std::max(m_tableWidth, Caption->Cell.MinMaxWidth().Min);
    switch (Justify) {
    case jCenter:
        m_x = left + std::max(0, (span - m_tableWidth) / 2);
        break;
    case jRight:
        m_x = std::max(left, right - m_tableWidth);
        break;
    default:
        m_x = left;
        break;
    }

    int cy = y;
    int widest = m_x + m_tableWidth;
    const auto layoutCaption = [&] {
        if (!Caption)
            return;
        TTableCell &cap = *Caption;
        cap.X = m_x;
        cap.Y = cy;
        cap.W = m_tableWidth;
        const TLayoutSize laid = cap.Cell.LayoutCell(m_x, cy, m_tableWidth, pos);
        cap.H = laid.Height;
        widest = std::max(widest, m_x + laid.MaxWidth);
        cy += cap.H;
    };
    if (CaptionOnTop)
        layoutCaption();

    // Every cell is laid out once at its column width, at Y 0, and moved into place once the
    // row heights are known.
    const int rows = int(Rows.size());
    TColumnValues colX(m_columns + 1, 0);
    for (int c = 0; c < m_columns; ++c)
        colX[c + 1] = colX[c] + m_colWidths[c];
    // A row is as high as its tallest cell with the padding on both sides and the spacing, less
    // one pixel: the padding below a cell's contents is one pixel short of the padding above.
    const int extra = 2 * CellPadding + CellSpacing - 1;
    QVarLengthArray<int, 32> rowH(rows, 0);
    int maxRowSpan = 1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < int(Rows[r].size()); ++c) {
            TTableCell &cell = *Rows[r][c];
            if (cell.Placeholder)
                continue;
            const int last = std::min(m_columns, c + cell.ColSpan);
            cell.X = m_x + CellSpacing + colX[c];
            cell.W = colX[last] - colX[c] - CellSpacing;
            const int contentW = std::max(0, cell.W - 2 * CellPadding);
            const TLayoutSize laid = cell.Cell.LayoutCell(cell.X + CellPadding, 0, contentW, pos);
            cell.H = laid.Height;
            // Whatever still does not fit its cell makes the document wider, so the view can
            // scroll to it (it is painted only inside its cell).
            widest = std::max(widest, cell.X + CellPadding + laid.MaxWidth);
            if (cell.RowSpan == 1)
                rowH[r] = std::max(rowH[r], cell.H + extra);
            maxRowSpan = std::max(maxRowSpan, cell.RowSpan);
        }
    }
    for (int s = 2; s <= maxRowSpan; ++s) {
        for (int r = 0; r < rows; ++r) {
            for (const auto &cellPtr : Rows[r]) {
                const TTableCell &cell = *cellPtr;
                if (cell.Placeholder || cell.RowSpan != s)
                    continue;
                const int have = std::accumulate(rowH.begin() + r, rowH.begin() + r + s, 0);
                const int need = cell.H + extra;
                if (need > have) {
                    for (int k = r; k < r + s; ++k)
                        rowH[k] += (need - have) / s + 1;
                }
            }
        }
    }
    const int rowsTop = cy;
    QVarLengthArray<int, 33> rowY(rows + 1, 0);
    for (int r = 0; r < rows; ++r)
        rowY[r + 1] = rowY[r] + rowH[r];
    for (int r = 0; r < rows; ++r) {
        for (const auto &cellPtr : Rows[r]) {
            TTableCell &cell = *cellPtr;
            if (cell.Placeholder)
                continue;
            const int boxTop = rowsTop + CellSpacing + rowY[r];
            const int boxH = rowY[std::min(rows, r + cell.RowSpan)] - rowY[r] - CellSpacing;
            const int free = std::max(0, boxH - 2 * CellPadding - cell.H);
            const int offset = cell.VAlign == vaMiddle ? free / 2 : cell.VAlign == vaBottom ? free : 0;
            cell.Cell.Move(0, boxTop + CellPadding + offset);
            cell.Y = boxTop;
            cell.H = boxH;
        }
    }
    cy = rowsTop + rowY[rows] + CellSpacing;
    if (!CaptionOnTop)
        layoutCaption();

    m_len = pos - m_startCurs;
    m_sectionHeight = m_drawHeight = cy - y;
    maxWidth = std::max(maxWidth, widest - indent.LeftEdge());
    return m_sectionHeight;
}

void TTableSection::UpdateFonts()
{
    m_colsValid = false;
    ForEachCell([](TTableCell &cell) { cell.Cell.UpdateFonts(); });
}

void TTableSection::Move(int dx, int dy)
{
    TSectionBase::Move(dx, dy);
    m_x += dx;
    ForEachCell([dx, dy](TTableCell &cell) {
        cell.X += dx;
        cell.Y += dy;
        cell.Cell.Move(dx, dy);
    });
}

TTableCell *TTableSection::CellAt(int x, int y) const
{
    TTableCell *found = nullptr;
    ForEachCell([&](TTableCell &cell) {
        if (!found && QRect(cell.X, cell.Y, cell.W, cell.H).contains(x, y))
            found = &cell;
    });
    return found;
}

void TTableSection::DrawBorders(TDrawContext &dc) const
{
    ViewHost &host = *m_owner->Host();
    const QRgb light = HasBorderColor ? host.toRgb(BorderColor) : host.toRgb(clBtnHighlight);
    const QRgb dark = HasBorderColor ? host.toRgb(BorderColor) : host.toRgb(clBtnShadow);
    const int top = m_yValue + (Caption && CaptionOnTop ? Caption->H : 0);
    const int height = m_sectionHeight - (Caption ? Caption->H : 0);
    const QRect outer(m_x + dc.XOffset, top + dc.YOffset, m_tableWidth, height);
    // The outer edge is raised, BORDER pixels wide; every cell is sunken by one pixel.
    for (int i = 0; i < std::min(Border, 10); ++i) {
        const QRect r = outer.adjusted(i, i, -i, -i);
        host.drawLine(r.topLeft(), r.topRight(), light);
        host.drawLine(r.topLeft(), r.bottomLeft(), light);
        host.drawLine(r.bottomLeft(), r.bottomRight(), dark);
        host.drawLine(r.topRight(), r.bottomRight(), dark);
    }
    for (const TTableRow &row : Rows) {
        for (const auto &cell : row) {
            if (cell->Placeholder)
                continue;
            const QRect r(cell->X + dc.XOffset, cell->Y + dc.YOffset, cell->W, cell->H);
            host.drawLine(r.topLeft(), r.topRight(), dark);
            host.drawLine(r.topLeft(), r.bottomLeft(), dark);
            host.drawLine(r.bottomLeft(), r.bottomRight(), light);
            host.drawLine(r.topRight(), r.bottomRight(), light);
        }
    }
}

void TTableSection::Draw(TDrawContext &dc) const
{
    ViewHost &host = *m_owner->Host();
    for (const TTableRow &row : Rows) {
        for (const auto &cell : row) {
            if (!cell->Placeholder && cell->HasBackground)
                host.fillRect(QRect(cell->X + dc.XOffset, cell->Y + dc.YOffset, cell->W, cell->H),
                              host.toRgb(cell->Background));
        }
    }
    if (Border)
        DrawBorders(dc);
    // Every cell paints only inside its own box: contents wider than their cell must not run
    // across the frames of the cells beside it.
    ForEachCell([&](TTableCell &cell) {
        const QRect box =
            QRect(cell.X + dc.XOffset, cell.Y + dc.YOffset, cell.W, cell.H).intersected(dc.Clip);
        if (box.isEmpty())
            return;
        TDrawContext inner = dc;
        inner.Clip = box;
        host.setClip(box);
        cell.Cell.Draw(inner);
        host.setClip(dc.Clip);
    });
}

TLinkHit TTableSection::GetURL(int x, int y) const
{
    TTableCell *cell = CellAt(x, y);
    return cell ? cell->Cell.GetURL(x, y) : TLinkHit{};
}

int TTableSection::FindCursor(int x, int y) const
{
    TTableCell *cell = CellAt(x, y);
    return cell ? cell->Cell.FindCursor(x, y) : -1;
}

int TTableSection::FindString(const QString &upperText, int from) const
{
    int found = -1;
    ForEachCell([&](TTableCell &cell) {
        if (found < 0)
            found = cell.Cell.FindString(upperText, from);
    });
    return found;
}

bool TTableSection::CursorToXY(int pos, int &x, int &y) const
{
    bool found = false;
    ForEachCell([&](TTableCell &cell) {
        if (!found && pos >= cell.Cell.StartCurs() && pos < cell.Cell.StartCurs() + cell.Cell.Len())
            found = cell.Cell.CursorToXY(pos, x, y);
    });
    return found;
}

void TTableSection::CopyToClipboard(QString &out, int selStart, int selEnd) const
{
    ForEachCell([&](TTableCell &cell) { cell.Cell.CopyToClipboard(out, selStart, selEnd); });
}

#pragma once

#include "section.h"
#include "tablecell.h"

#include <QVarLengthArray>

#include <functional>
#include <memory>
#include <vector>

constexpr int kMaxTableColumns = 30;

using TTableRow = std::vector<std::unique_ptr<TTableCell>>;
// One number per column, and one more for the edges between them: a table has at most
// kMaxTableColumns columns, so laying one out allocates nothing for them.
using TColumnValues = QVarLengthArray<int, kMaxTableColumns + 1>;

// TABLE: rows of cells with spans, widths in pixels or percent, and an optional caption.
class TTableSection : public TSectionBase {
public:
    explicit TTableSection(TViewDocument *owner) : TSectionBase(owner) {}
    const char *KindName() const override { return "Table"; }

    // ---- filled by the reader ----
    std::vector<TTableRow> Rows;
    std::unique_ptr<TTableCell> Caption;
    bool CaptionOnTop = true;
    TJustify Justify = jLeft;
    int Border = 0;
    int CellPadding = 2;
    int CellSpacing = 3;
    int Width = 0; // WIDTH in pixels or percent; 0 not given
    bool WidthPercent = false;
    TColor Background = 0;
    bool HasBackground = false;
    TColor BorderColor = 0;
    bool HasBorderColor = false;

    // From the TABLE attributes (numbers as the reader parsed them).
    void SetAttributes(int border, bool hasBorder, int padding, bool hasPadding, int spacing,
                       bool hasSpacing);
    // Inserts the placeholders for spans, counts the columns and spreads the table's background.
    // Runs once; a table of more than 30 columns reports the error and keeps only 30.
    TViewError Normalize();
    int ColumnCount() const { return m_columns; }

    // ---- the section interface ----
    void CopyToClipboard(QString &out, int selStart, int selEnd) const override;
    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
    void Draw(TDrawContext &dc) const override;
    TLinkHit GetURL(int x, int y) const override;
    int FindCursor(int x, int y) const override;
    int FindString(const QString &upperText, int from) const override;
    bool CursorToXY(int pos, int &x, int &y) const override;
    void UpdateFonts() override;
    TMinMax MinMaxWidth() override;
    void Move(int dx, int dy) override;
    void ForEachNestedCell(const std::function<void(TCell &)> &f) const override;

    // Laid out: the table's box in document coordinates.
    int TableX() const { return m_x; }
    int TableWidth() const { return m_tableWidth; }
    std::vector<int> ColumnWidths() const { return {m_colWidths.begin(), m_colWidths.end()}; }

private:
    void ColumnMinMax();
    // Every cell with contents, in document order (a top caption first, a bottom one last).
    void ForEachCell(const std::function<void(TTableCell &)> &f) const;
    // Sets the widths of the columns for target pixels; fill: the table takes all of them.
    void LayOutColumns(int target, bool fill);
    TTableCell *CellAt(int x, int y) const;
    void DrawBorders(TDrawContext &dc) const;

    TColumnValues m_colMin;
    TColumnValues m_colMax;
    TColumnValues m_colPercent;
    TColumnValues m_colPixels;
    bool m_colsValid = false;
    bool m_colsShowImages = true;

    bool m_normalized = false;
    int m_columns = 0;
    int m_x = 0;
    int m_tableWidth = 0;
    TColumnValues m_colWidths;
};

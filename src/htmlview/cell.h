#pragma once

#include "indenttracker.h"
#include "sectionbase.h"

#include <QVarLengthArray>

#include <memory>
#include <vector>

class TSection;

// A list of sections laid out top to bottom: the document itself, a table cell or a caption.
class TCell {
public:
    TCell() = default;
    virtual ~TCell();
    TCell(const TCell &) = delete;
    TCell &operator=(const TCell &) = delete;

    void Add(std::unique_ptr<TSectionBase> section);
    const std::vector<std::unique_ptr<TSectionBase>> &Sections() const { return m_sections; }
    bool IsEmpty() const { return m_sections.empty(); }

    void UpdateFonts();
    // The section holding character position pos, or nullptr.
    TSectionBase *FindSectionAtPosition(int pos) const;
    TLinkHit GetURL(int x, int y) const;
    int FindCursor(int x, int y) const;
    int FindString(const QString &upperText, int from) const;
    bool CursorToXY(int pos, int &x, int &y) const;
    void CopyToClipboard(QString &out, int selStart, int selEnd) const;
    // Lays out every section from (x, y) in a span width wide; pos is the running character
    // position. Returns the cell's height (floating images included) and the widest need.
    TLayoutSize LayoutCell(int x, int y, int width, int &pos);
    TMinMax MinMaxWidth();
    void Draw(TDrawContext &dc) const;
    void Move(int dx, int dy);

    int TopY() const { return m_topY; }
    int StartCurs() const { return m_startCurs; }
    int Len() const { return m_len; }
    int Height() const { return m_height; }

protected:
    std::vector<std::unique_ptr<TSectionBase>>::const_iterator FirstAt(int y) const;

    std::vector<std::unique_ptr<TSectionBase>> m_sections;
    // The running maximum of the section bottoms, after layout. Most table cells hold a section
    // or two, which then need no allocation of their own.
    QVarLengthArray<int, 4> m_reach;
    TIndentTracker m_indent;
    int m_topY = 0;
    int m_startCurs = 0;
    int m_len = 0;
    int m_height = 0;
};

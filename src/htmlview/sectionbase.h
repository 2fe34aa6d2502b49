#pragma once

#include "viewtypes.h"

#include <QRect>
#include <QString>

#include <functional>

class TCell;
class TViewDocument;
class TIndentTracker;

// What a link hit test finds: the link, and for a server-side image map the point appended.
struct TLinkHit {
    bool Found = false;
    TLinkTarget Link;
};

// The painting context handed down the sections: the clip rectangle (device coordinates), the
// offset from document to device coordinates (device = document + offset) and the selection to
// invert. Sections draw through their document's host.
struct TDrawContext {
    QRect Clip;
    int XOffset = 0;
    int YOffset = 0;
    int SelStart = -1;
    int SelEnd = -1;
};

// The base of every section of the display model: one vertical slice of a cell that knows its
// height at a width, paints itself and answers position questions. The base versions do nothing.
class TSectionBase {
public:
    explicit TSectionBase(TViewDocument *owner) : m_owner(owner) {}
    virtual ~TSectionBase() = default;
    TSectionBase(const TSectionBase &) = delete;
    TSectionBase &operator=(const TSectionBase &) = delete;

    // A short name of the section's kind, for layout dumps.
    virtual const char *KindName() const = 0;

    // Appends the selected part of the section's text (character positions start..end).
    virtual void CopyToClipboard(QString &out, int selStart, int selEnd) const;
    // Lays the section out at Y with the width of the indent tracker; returns the section height
    // and sets the start position from pos, which it advances by the section's length.
    virtual int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth);
    virtual void Draw(TDrawContext &dc) const;
    virtual TLinkHit GetURL(int x, int y) const;
    // The character position under a point, or -1 when the point is not in this section.
    virtual int FindCursor(int x, int y) const;
    // The position of the first match at or after from, or -1.
    virtual int FindString(const QString &upperText, int from) const;
    // The top-left of the character at pos, when pos is inside this section.
    virtual bool CursorToXY(int pos, int &x, int &y) const;
    virtual void UpdateFonts();
    virtual void UpdateSpacing();
    virtual TMinMax MinMaxWidth();
    // Moves a laid-out section by dx, dy (a table cell shifted for its vertical alignment).
    virtual void Move(int dx, int dy);
    // Calls f for every cell nested in this section (the cells and caption of a table).
    virtual void ForEachNestedCell(const std::function<void(TCell &)> &f) const;

    TViewDocument *Owner() const { return m_owner; }
    // The list nesting the section stands in (0 outside lists): every section sets it as the
    // indent level of its layout, so a rule or table after a list is not indented like the list.
    int ListLevel = 0;
    int ListIndent() const { return ListLevel * 35; }
    int SectionHeight() const { return m_sectionHeight; }
    int DrawHeight() const { return m_drawHeight; }
    int YValue() const { return m_yValue; }
    int StartCurs() const { return m_startCurs; }
    int Len() const { return m_len; }

protected:
    TViewDocument *m_owner = nullptr;
    int m_sectionHeight = 0;
    int m_drawHeight = 0;
    int m_yValue = 0;
    int m_startCurs = 0;
    int m_len = 0;
};

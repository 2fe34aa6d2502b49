#pragma once

#include "htmltokenizer.h"
#include "scaledfont.h"
#include "section.h"
#include "viewdocument.h"

#include <memory>
#include <vector>

class TAnchorList;

// Deeper nesting is read flat: it keeps the reader's recursion and the indents bounded whatever
// the page holds.
constexpr int kMaxFonts = 25;
constexpr int kMaxListDepth = 20;
constexpr int kMaxTableDepth = 12;

// A colour attribute value: a colour name or hexadecimal digits (a "#" anywhere is dropped).
bool ParseColour(QStringView value, TColor &out);
// Whether an attribute value in lower case is the keyword (given in lower case). ASCII values,
// nearly all of them, are compared in place.
bool IsKeyword(QStringView value, QLatin1StringView keyword);
// ALIGN's left, center or right; otherwise the given justification.
TJustify AlignOf(const TAttribute *a, TJustify otherwise);
// Whether a WIDTH value was given in percent.
bool IsPercent(const TAttribute *a);

// The reader's state and handlers for one parse: the document loop with its tag procedures,
// lists, tables, preformatted text, images, form controls and maps. Every handler starts at its
// token and leaves the tokenizer at the first token it did not handle.
class THtmlReader {
public:
    THtmlReader(TViewDocument &doc, TAnchorList &anchors, THtmlTokenizer &tok)
        : m_doc(doc), m_anchors(anchors), m_tok(tok), m_cell(&doc)
    {
    }

    TViewError Read();

private:
    int Sym() const { return m_tok.Sym(); }
    const TAttribute *Attr(uint8_t sym) const { return m_tok.Attributes().Find(sym); }
    void Advance() { m_inPre ? m_tok.NextPreformatted() : m_tok.Next(); }
    void Fail(TViewError error);

    // ---- fonts ----
    TScaledFont &Top() { return m_fonts.back(); }
    bool PushFont(const TScaledFont &font);
    void PopFont();
    TScaledFont Effective() const;
    void SwitchFont();

    // ---- sections ----
    void StartSection(TJustify justify, std::unique_ptr<TSection> section = nullptr);
    void StartSectionIfNone();
    void EndSection();
    // Adds a section to the current cell at the current list level.
    void AddSection(std::unique_ptr<TSectionBase> section);
    TJustify SectionJustify() const { return m_section ? m_section->Justify : m_justify; }

    // ---- loops ----
    void DocumentLoop();
    void Common();
    void ListLoop();
    void TableLoop();
    void PreLoop();
    bool IsCellEnd(int sym) const;

    // ---- tags ----
    void ReadBody();
    void ReadTitle();
    void Rule();
    void Paragraph();
    void Break();
    void Heading();
    void EndHeading();
    void Anchor();
    void EndAnchor();
    void Image();
    void FormControl();
    void FontTag(bool baseFont);
    void BigSmall(bool big);
    void ReadMap();
    void ReadOptions(TFormControl &select);
    void PageBreak();

    TViewDocument &m_doc;
    TAnchorList &m_anchors;
    THtmlTokenizer &m_tok;
    std::vector<TScaledFont> m_fonts;
    uint8_t m_style = fsNone;
    TScriptState m_script = ssNormal;
    TJustify m_justify = jLeft;
    bool m_inPre = false;
    bool m_inLink = false;
    bool m_stop = false;
    int m_baseFontSize = 3;
    int m_listLevel = 0;
    int m_listDepth = 0;
    int m_tableDepth = 0;
    int m_cellDepth = 0;
    std::unique_ptr<TSection> m_section;
    TCell *m_cell = nullptr;
    TPageForm *m_form = nullptr;
    TLinkTarget m_link;
    TViewError m_error;
};

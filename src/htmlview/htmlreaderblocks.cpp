// Lists, preformatted text and tables of the HTML reader: the handlers that read nested content.
#include "bulletitem.h"
#include "definitionitem.h"
#include "htmldocumentreader.h"
#include "numbereditem.h"
#include "tablesection.h"
#include "viewdocument.h"

using namespace HtmlSym;

void THtmlReader::ListLoop()
{
    const int kind = Sym();
    if (m_listDepth >= kMaxListDepth) {
        Advance();
        return;
    }
    int number = 1;
    bool plain = false;
    if (kind == Ol) {
        if (const TAttribute *a = Attr(HtmlAttr::Start); a && a->Value >= 0)
            number = a->Value;
    } else if (kind == Ul) {
        plain = Attr(HtmlAttr::Plain) != nullptr;
    }
    EndSection();
    ++m_listDepth;
    ++m_listLevel;
    Advance();
    while (Sym() != Eof && !m_stop && !IsCellEnd(Sym())) {
        const int sym = Sym();
        if (sym == End(Ol) || sym == End(Ul) || sym == End(Dir) || sym == End(Menu) || sym == End(Dl) ||
            sym == End(BlockQuote)) {
            Advance(); // any list's end tag ends the innermost list
            break;
        }
        switch (sym) {
        case Li: {
            std::unique_ptr<TSection> item;
            if (kind == Ol) {
                item = std::make_unique<TNumberedItem>(&m_doc);
                item->ListKind = lkOrdered;
                item->ListNumber = number++;
            } else {
                item = std::make_unique<TBulletItem>(&m_doc);
                item->ListKind = lkUnordered;
                item->Plain = plain;
            }
            StartSection(m_justify, std::move(item));
            Advance();
            if (Sym() == P)
                Advance(); // a paragraph right after the item marker adds no space
            break;
        }
        case Dd:
        case Dt: {
            auto item = std::make_unique<TDefinitionItem>(&m_doc);
            item->ListKind = lkDefinition;
            StartSection(m_justify, std::move(item));
            Advance();
            break;
        }
        case Hr:
            Rule();
            break;
        case Ol:
        case Ul:
        case Dir:
        case Menu:
        case Dl:
        case BlockQuote:
            ListLoop();
            break;
        case Title:
        case Body:
        case Base:
            Advance();
            break;
        case End(Body):
            m_stop = true;
            m_tok.Stop();
            break;
        default:
            Common();
            break;
        }
    }
    EndSection();
    --m_listLevel;
    --m_listDepth;
}

void THtmlReader::PreLoop()
{
    EndSection();
    TScaledFont f = Top();
    f.NominalSize = 10;
    f.FixedPitch = true;
    f.Face.clear();
    const bool pushed = PushFont(f);
    m_inPre = true;
    StartSection(m_justify);
    Advance();
    if (Sym() == Eol)
        Advance(); // a line end right after <PRE> starts no line, as browsers do
    // A line end right before </PRE> ends the last line and starts none either.
    const auto dropTrailingEmptyLine = [this] {
        if (m_section && !m_section->HasText() && m_section->AnchorNames().isEmpty())
            m_section.reset();
    };
    while (Sym() != Eof && !m_stop) {
        switch (Sym()) {
        case Text:
            StartSectionIfNone();
            m_section->AddText(m_tok.TokenText()); // a preformatted line keeps spaces, expands tabs
            Advance();
            break;
        case Eol:
            StartSection(SectionJustify());
            Advance();
            break;
        case End(Pre):
            dropTrailingEmptyLine();
            EndSection();
            m_inPre = false;
            if (pushed)
                PopFont();
            Advance();
            return;
        case Font:
        case BaseFont:
        case End(Font):
        case Map:
        case Form:
        case End(Form):
        case Input:
        case Select:
        case TextArea:
        case B:
        case I:
        case U:
        case Em:
        case Strong:
        case Cite:
        case Var:
        case Sub:
        case Sup:
        case End(B):
        case End(I):
        case End(U):
        case End(Em):
        case End(Strong):
        case End(Cite):
        case End(Var):
        case End(Sub):
        case End(Sup):
        case Img:
        case A:
        case End(A):
            Common();
            break;
        case P:
        case Br:
            Break();
            break;
        default:
            Advance();
            break;
        }
    }
    dropTrailingEmptyLine();
    EndSection();
    m_inPre = false;
    if (pushed)
        PopFont();
}

void THtmlReader::TableLoop()
{
    if (m_tableDepth >= kMaxTableDepth) {
        Advance();
        return;
    }
    EndSection();
    const TJustify savedJustify = m_justify;
    TCell *const savedCell = m_cell;
    const uint8_t savedStyle = m_style;
    const int savedListLevel = m_listLevel;
    const size_t savedFonts = m_fonts.size();
    ++m_tableDepth;

    auto table = std::make_unique<TTableSection>(&m_doc);
    table->Justify = AlignOf(Attr(HtmlAttr::Align), m_justify);
    if (table->Justify == jLeft)
        table->Justify = m_justify; // only CENTER and RIGHT override the current justification
    const TAttribute *border = Attr(HtmlAttr::Border);
    const TAttribute *padding = Attr(HtmlAttr::CellPadding);
    const TAttribute *spacing = Attr(HtmlAttr::CellSpacing);
    table->SetAttributes(border ? border->Value : 0, border != nullptr, padding ? padding->Value : 0,
                         padding != nullptr, spacing ? spacing->Value : 0, spacing != nullptr);
    if (const TAttribute *w = Attr(HtmlAttr::Width)) {
        table->WidthPercent = IsPercent(w);
        table->Width =
            table->WidthPercent ? (w->Value >= 1 && w->Value <= 100 ? w->Value : 0) : std::max(0, w->Value);
        if (!table->Width)
            table->WidthPercent = false;
    }
    TColor c;
    if (const TAttribute *a = Attr(HtmlAttr::BgColor); a && ParseColour(a->Text, c))
        table->Background = c, table->HasBackground = true;
    if (const TAttribute *a = Attr(HtmlAttr::BorderColor); a && ParseColour(a->Text, c))
        table->BorderColor = c, table->HasBorderColor = true;

    table->Rows.emplace_back();
    TJustify rowAlign = jNone;
    TVAlign rowVAlign = vaTop;
    TColor rowBackground = 0;
    bool rowHasBackground = false;
    bool cellOpen = false;
    const auto closeCell = [&] {
        if (cellOpen) {
            EndSection();
            m_cell = savedCell;
            --m_cellDepth;
            cellOpen = false;
        }
    };
    const auto vAlignOf = [](const TAttribute *a, TVAlign otherwise) {
        if (!a)
            return otherwise;
        return IsKeyword(a->Text, QLatin1StringView("top"))      ? vaTop
               : IsKeyword(a->Text, QLatin1StringView("middle")) ? vaMiddle
               : IsKeyword(a->Text, QLatin1StringView("bottom")) ? vaBottom
                                                                 : otherwise;
    };
    m_listLevel = 0;
    Advance();
    while (Sym() != Eof && Sym() != End(Table) && !m_stop) {
        switch (Sym()) {
        case Tr:
            closeCell();
            if (!table->Rows.back().empty())
                table->Rows.emplace_back();
            rowAlign = AlignOf(Attr(HtmlAttr::Align), jNone);
            rowVAlign = vAlignOf(Attr(HtmlAttr::VAlign), vaTop);
            rowHasBackground = false;
            if (const TAttribute *a = Attr(HtmlAttr::BgColor); a && ParseColour(a->Text, c))
                rowBackground = c, rowHasBackground = true;
            Advance();
            break;
        case Td:
        case Th: {
            closeCell();
            const bool header = Sym() == Th;
            m_justify = AlignOf(Attr(HtmlAttr::Align), rowAlign != jNone ? rowAlign
                                                       : header          ? jCenter
                                                                         : jLeft);
            if (header)
                m_style |= fsBold;
            else
                m_style &= ~fsBold;
            auto cell = std::make_unique<TTableCell>();
            if (const TAttribute *a = Attr(HtmlAttr::ColSpan); a && a->Value > 1)
                cell->ColSpan = std::min(a->Value, kMaxTableColumns + 1);
            if (const TAttribute *a = Attr(HtmlAttr::RowSpan); a && a->Value > 1)
                cell->RowSpan = std::min(a->Value, 10000);
            if (const TAttribute *w = Attr(HtmlAttr::Width)) {
                cell->WidthPercent = IsPercent(w);
                cell->Width = cell->WidthPercent ? (w->Value >= 1 && w->Value <= 100 ? w->Value : 0)
                                                 : std::max(0, w->Value);
                if (!cell->Width)
                    cell->WidthPercent = false;
            }
            cell->VAlign = vAlignOf(Attr(HtmlAttr::VAlign), rowVAlign);
            if (const TAttribute *a = Attr(HtmlAttr::BgColor); a && ParseColour(a->Text, c))
                cell->Background = c, cell->HasBackground = true;
            else if (rowHasBackground)
                cell->Background = rowBackground, cell->HasBackground = true; // the row colours its cells
            m_cell = &cell->Cell;
            table->Rows.back().push_back(std::move(cell));
            cellOpen = true;
            ++m_cellDepth;
            Advance();
            DocumentLoop();
            break;
        }
        case End(Td):
        case End(Th):
            closeCell();
            Advance();
            break;
        case Caption: {
            closeCell();
            // A table has one caption; a second CAPTION adds its text to the first rather
            // than throwing the first away.
            if (!table->Caption) {
                const TAttribute *a = Attr(HtmlAttr::Align);
                table->CaptionOnTop = !(a && IsKeyword(a->Text, QLatin1StringView("bottom")));
                table->Caption = std::make_unique<TTableCell>();
            }
            m_cell = &table->Caption->Cell;
            m_justify = jCenter;
            cellOpen = true;
            ++m_cellDepth;
            Advance();
            DocumentLoop();
            if (Sym() == End(Caption)) {
                closeCell();
                Advance();
            }
            break;
        }
        case Text:
            if (!m_tok.IsBlankText() && !cellOpen) {
                // Text outside every cell is shown above the table.
                ++m_cellDepth;
                DocumentLoop();
                --m_cellDepth;
                EndSection();
            } else {
                Advance();
            }
            break;
        default:
            Advance();
            break;
        }
    }
    closeCell();
    if (table->Rows.back().empty() && table->Rows.size() > 1)
        table->Rows.pop_back();
    --m_tableDepth;
    m_justify = savedJustify;
    m_cell = savedCell;
    m_style = savedStyle;
    m_listLevel = savedListLevel;
    // Fonts a cell left open do not leak out of the table.
    while (m_fonts.size() > savedFonts)
        m_fonts.pop_back();
    const TViewError error = table->Normalize();
    AddSection(std::move(table));
    if (!error.ok())
        Fail(error);
    else if (Sym() == End(Table))
        Advance();
}

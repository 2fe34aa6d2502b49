#include "htmlreader.h"

#include "anchorlist.h"
#include "bulletitem.h"
#include "definitionitem.h"
#include "headinggap.h"
#include "htmltokenizer.h"
#include "numbereditem.h"
#include "pagebreak.h"
#include "paragraphgap.h"
#include "preformattedline.h"
#include "rulesection.h"
#include "tablesection.h"
#include "textcodec.h"
#include "viewdocument.h"

#include <QFile>

using namespace HtmlSym;

namespace {

constexpr int kMaxFonts = 25;
// Deeper nesting is read flat: it keeps the reader's recursion and the indents bounded whatever
// the page holds.
constexpr int kMaxListDepth = 20;
constexpr int kMaxTableDepth = 12;
constexpr int kFontSizes[7] = {8, 10, 12, 14, 18, 24, 36};
constexpr int kPreFontSizes[7] = {7, 8, 10, 12, 15, 20, 30};
constexpr int kHeadingSizes[7] = {12, 24, 18, 15, 12, 10, 8};

struct NamedColour {
    const char *name;
    uint32_t rgb; // as written in HTML: red in the high byte
};
constexpr NamedColour kColours[16] = {
    {"BLACK", 0x000000}, {"MAROON", 0x800000}, {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080},  {"PURPLE", 0x800080}, {"TEAL", 0x008080},  {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000},   {"LIME", 0x00FF00},  {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF},  {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF}, {"WHITE", 0xFFFFFF},
};

TColor FromHtmlRgb(uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// A colour attribute value: a colour name or hexadecimal digits (a "#" anywhere is dropped).
bool ParseColour(const QString &value, TColor &out)
{
    const QString upper = value.toUpper();
    const QString head = upper.left(10);
    for (const NamedColour &c : kColours) {
        if (head == QLatin1String(c.name)) {
            out = FromHtmlRgb(c.rgb) | kPaletteRelative;
            return true;
        }
    }
    QString hex = upper.trimmed();
    const qsizetype hash = hex.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        hex.remove(hash, 1);
    if (hex.isEmpty() || hex.size() > 8)
        return false;
    bool ok = false;
    const uint v = hex.toUInt(&ok, 16);
    if (!ok)
        return false;
    out = FromHtmlRgb(v & 0xFFFFFF) | kPaletteRelative;
    return true;
}

TJustify AlignOf(const TAttribute *a, TJustify otherwise)
{
    if (!a)
        return otherwise;
    const QString v = a->Text.left(10).toLower();
    if (v == QLatin1String("left"))
        return jLeft;
    if (v == QLatin1String("center"))
        return jCenter;
    if (v == QLatin1String("right"))
        return jRight;
    return otherwise;
}

bool IsPercent(const TAttribute *a)
{
    return a && a->Text.trimmed().endsWith(QLatin1Char('%'));
}

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
    const TSection *m_anchored = nullptr; // the section the last anchor named
    TCell *m_cell = nullptr;
    TPageForm *m_form = nullptr;
    TLinkTarget m_link;
    TViewError m_error;
};

void THtmlReader::Fail(TViewError error)
{
    if (m_error.ok())
        m_error = std::move(error);
    m_tok.Stop();
}

bool THtmlReader::PushFont(const TScaledFont &font)
{
    if (int(m_fonts.size()) >= kMaxFonts)
        return false;
    m_fonts.push_back(font);
    m_fonts.back().ResetHandle();
    return true;
}

void THtmlReader::PopFont()
{
    if (m_fonts.size() > 1)
        m_fonts.pop_back();
}

TScaledFont THtmlReader::Effective() const
{
    TScaledFont f = m_fonts.back();
    f.Style |= m_style;
    f.ResetHandle();
    return f;
}

void THtmlReader::SwitchFont()
{
    if (m_section)
        m_section->ChangeFont(Effective(), m_script);
}

void THtmlReader::StartSection(TJustify justify, std::unique_ptr<TSection> section)
{
    EndSection();
    if (!section)
        section = m_inPre ? std::make_unique<TPreformattedLine>(&m_doc) : std::make_unique<TSection>(&m_doc);
    section->Justify = justify;
    section->ListLevel = m_listLevel;
    section->ChangeFont(Effective(), m_script);
    if (m_inLink)
        section->ChangeLink(m_link);
    m_section = std::move(section);
}

void THtmlReader::StartSectionIfNone()
{
    if (!m_section)
        StartSection(m_justify);
}

void THtmlReader::EndSection()
{
    if (!m_section)
        return;
    // An empty section adds nothing, unless it is a blank preformatted line, an anchor names it
    // or it clears floating images.
    if (m_section->HasText() || m_inPre || m_section->Clear != cmNone || m_anchored == m_section.get())
        m_cell->Add(std::move(m_section));
    m_section.reset();
}

bool THtmlReader::IsCellEnd(int sym) const
{
    if (m_cellDepth == 0)
        return false;
    switch (sym) {
    case Td: case End(Td): case Th: case End(Th): case Tr: case Caption: case End(Caption): case End(Table):
        return true;
    default:
        return false;
    }
}

TViewError THtmlReader::Read()
{
    TScaledFont base;
    base.NominalSize = 12;
    base.Color = m_doc.DefaultFontColor;
    m_fonts.push_back(base);
    StartSection(jLeft);
    m_tok.Next();
    DocumentLoop();
    EndSection();
    m_fonts.clear();
    return m_error.ok() ? m_tok.Error() : m_error;
}

void THtmlReader::DocumentLoop()
{
    while (Sym() != Eof && !m_stop) {
        if (IsCellEnd(Sym()))
            return;
        switch (Sym()) {
        case Title: ReadTitle(); break;
        case Body: ReadBody(); break;
        case End(Body):
            // Nothing after the end of the body is shown.
            m_stop = true;
            m_tok.Stop();
            return;
        case Base:
            if (const TAttribute *a = Attr(HtmlAttr::Href))
                m_doc.Base = a->Text;
            if (const TAttribute *a = Attr(HtmlAttr::Target))
                m_doc.BaseTarget = a->Text;
            Advance();
            break;
        case Hr: Rule(); break;
        case Ol: case Ul: case Dir: case Menu: case Dl: case BlockQuote: ListLoop(); break;
        default: Common(); break;
        }
    }
}

void THtmlReader::ReadTitle()
{
    m_tok.Next();
    QString title;
    while (Sym() == Text) {
        title += m_tok.TokenText();
        m_tok.Next();
    }
    m_doc.Title = title.trimmed();
}

void THtmlReader::ReadBody()
{
    const bool empty = m_doc.IsEmpty() && (!m_section || !m_section->HasText());
    if (empty) {
        TColor c;
        if (const TAttribute *a = Attr(HtmlAttr::BgColor); a && ParseColour(a->Text, c))
            m_doc.SetBackground(c);
        if (const TAttribute *a = Attr(HtmlAttr::Background))
            m_doc.BackgroundImageName = a->Text.trimmed();
        if (const TAttribute *a = Attr(HtmlAttr::Text); a && ParseColour(a->Text, c)) {
            Top().Color = c;
            m_doc.DefaultFontColor = c;
        }
        if (const TAttribute *a = Attr(HtmlAttr::Link); a && ParseColour(a->Text, c))
            m_doc.LinkColor = c;
        m_section.reset();
        StartSection(m_justify);
    }
    Advance();
}

void THtmlReader::Rule()
{
    EndSection();
    auto rule = std::make_unique<TRuleSection>(&m_doc);
    const TAttribute *size = Attr(HtmlAttr::Size);
    const TAttribute *width = Attr(HtmlAttr::Width);
    rule->SetAttributes(size ? size->Value : 0, width ? width->Value : 0, IsPercent(width));
    m_cell->Add(std::move(rule));
    Advance();
}

void THtmlReader::Paragraph()
{
    TJustify justify = Sym() == P ? AlignOf(Attr(HtmlAttr::Align), m_justify) : m_justify;
    EndSection();
    m_cell->Add(std::make_unique<TParagraphGap>(&m_doc));
    // Paragraph tags in a row, with only white space between, make one paragraph break.
    Advance();
    while (Sym() == P || Sym() == End(P) || m_tok.IsBlankText()) {
        if (Sym() == P)
            justify = AlignOf(Attr(HtmlAttr::Align), m_justify);
        else if (Sym() == End(P))
            justify = m_justify;
        Advance();
    }
    StartSection(justify);
}

void THtmlReader::Break()
{
    const TJustify justify = SectionJustify();
    StartSectionIfNone();
    if (!m_section->HasText())
        m_section->AddRawText(u" "); // so the empty line has a height
    TClearMode clear = cmNone;
    if (const TAttribute *a = Attr(HtmlAttr::Clear)) {
        const QString v = a->Text.toLower();
        clear = v == QLatin1String("left") ? cmLeft : v == QLatin1String("right") ? cmRight : cmBoth;
    }
    StartSection(justify);
    m_section->Clear = clear;
    Advance();
    if (m_inPre && Sym() == Eol)
        Advance();
}

void THtmlReader::Heading()
{
    const int level = m_tok.HeadingLevel();
    if (int(m_fonts.size()) < kMaxFonts) {
        const TJustify justify = AlignOf(Attr(HtmlAttr::Align), m_justify);
        EndSection();
        TScaledFont f = Top();
        f.NominalSize = kHeadingSizes[level];
        if (level >= 1)
            f.Style |= fsBold;
        PushFont(f);
        m_cell->Add(std::make_unique<THeadingGap>(&m_doc, level));
        StartSection(justify);
    }
    Advance();
}

void THtmlReader::EndHeading()
{
    if (m_fonts.size() > 1) {
        EndSection();
        m_cell->Add(std::make_unique<THeadingGap>(&m_doc, m_tok.HeadingLevel()));
        PopFont();
    }
    Advance();
}

void THtmlReader::Anchor()
{
    if (const TAttribute *href = Attr(HtmlAttr::Href); href && !href->Text.isEmpty()) {
        const TAttribute *target = Attr(HtmlAttr::Target);
        m_link = {href->Text.trimmed(), target ? target->Text : m_doc.BaseTarget};
        m_inLink = true;
        TScaledFont f = Top();
        f.Style |= fsUnderline;
        f.Color = m_doc.LinkColor;
        PushFont(f);
        SwitchFont();
        if (m_section)
            m_section->ChangeLink(m_link);
    }
    if (const TAttribute *name = Attr(HtmlAttr::Name); name && !name->Text.isEmpty()) {
        StartSectionIfNone();
        m_anchors.Add(name->Text.toUpper(), m_section.get());
        m_anchored = m_section.get();
    }
    Advance();
}

void THtmlReader::EndAnchor()
{
    if (m_inLink) {
        m_link.Clear();
        m_inLink = false;
        PopFont();
        SwitchFont();
        if (m_section)
            m_section->ChangeLink({});
    }
    Advance();
}

void THtmlReader::Image()
{
    StartSectionIfNone();
    auto image = std::make_unique<TInlineImage>();
    if (const TAttribute *a = Attr(HtmlAttr::Src))
        image->Source = a->Text.trimmed();
    if (const TAttribute *a = Attr(HtmlAttr::Alt))
        image->Alt = a->Text;
    if (const TAttribute *a = Attr(HtmlAttr::Align)) {
        const QString v = a->Text.toUpper();
        image->Align = v == QLatin1String("TOP") ? iaTop
            : v == QLatin1String("MIDDLE")      ? iaMiddle
            : v == QLatin1String("LEFT")        ? iaLeft
            : v == QLatin1String("RIGHT")       ? iaRight
                                                : iaBottom;
    }
    if (const TAttribute *a = Attr(HtmlAttr::Height))
        image->RequestedHeight = a->Value;
    if (const TAttribute *a = Attr(HtmlAttr::Width))
        image->RequestedWidth = a->Value;
    if (image->RequestedHeight < 1 || image->RequestedWidth < 1)
        image->RequestedHeight = image->RequestedWidth = 0;
    if (const TAttribute *a = Attr(HtmlAttr::Border))
        image->NoBorder = a->Value == 0;
    if (const TAttribute *a = Attr(HtmlAttr::HSpace))
        image->HSpace = std::min(std::abs(a->Value), 20);
    image->Transparent = Attr(HtmlAttr::Transp) != nullptr;
    image->IsMap = Attr(HtmlAttr::IsMap) != nullptr;
    if (const TAttribute *a = Attr(HtmlAttr::UseMap)) {
        image->UseMap = true;
        QString name = a->Text.toUpper().trimmed();
        if (name.startsWith(QLatin1Char('#')))
            name.remove(0, 1);
        image->MapName = name;
    }
    image->InLink = m_inLink;
    m_section->AddImage(std::move(image));
    Advance();
}

void THtmlReader::FormControl()
{
    const int sym = Sym();
    StartSectionIfNone();
    auto control = std::make_unique<TFormControl>();
    control->Form = m_form;
    if (const TAttribute *a = Attr(HtmlAttr::Name))
        control->Name = a->Text;
    if (const TAttribute *a = Attr(HtmlAttr::Value))
        control->Value = a->Text;
    if (const TAttribute *a = Attr(HtmlAttr::Size))
        control->Size = std::clamp(a->Value, 0, 200);
    if (const TAttribute *a = Attr(HtmlAttr::MaxLength))
        control->MaxLength = std::max(0, a->Value);
    control->Checked = Attr(HtmlAttr::Checked) != nullptr;
    if (sym == Input) {
        const TAttribute *t = Attr(HtmlAttr::Type);
        const QString type = t ? t->Text.toLower() : QString();
        if (type == QLatin1String("password")) {
            control->Password = true;
        } else if (type == QLatin1String("submit") || type == QLatin1String("reset")
                   || type == QLatin1String("button") || type == QLatin1String("image")) {
            control->Kind = TFormControlKind::Button;
            control->Submit = type != QLatin1String("reset") && type != QLatin1String("button");
            if (control->Value.isEmpty())
                control->Value = type == QLatin1String("reset") ? QStringLiteral("Reset") : QStringLiteral("Submit");
        } else if (type == QLatin1String("radio")) {
            control->Kind = TFormControlKind::Radio;
        } else if (type == QLatin1String("checkbox")) {
            control->Kind = TFormControlKind::CheckBox;
            if (control->Value.isEmpty())
                control->Value = QStringLiteral("On");
        } else if (type == QLatin1String("hidden")) {
            control->Kind = TFormControlKind::Hidden;
        }
    } else if (sym == Select) {
        control->Multiple = Attr(HtmlAttr::Multiple) != nullptr;
        control->Kind = control->Multiple || control->Size > 1 ? TFormControlKind::ListBox : TFormControlKind::Combo;
    } else {
        control->Kind = TFormControlKind::TextArea;
        if (const TAttribute *a = Attr(HtmlAttr::Cols); a && a->Value > 0)
            control->Cols = std::min(a->Value, 200);
        if (const TAttribute *a = Attr(HtmlAttr::Rows); a && a->Value > 0)
            control->Rows = std::min(a->Value, 100);
    }
    TFormControl &c = *control;
    if (m_form)
        m_form->Controls.push_back(control.get());
    m_section->AddControl(std::move(control));
    if (sym == Select) {
        Advance();
        ReadOptions(c);
    } else if (sym == TextArea) {
        c.Lines = m_tok.ReadTextAreaContent();
        Advance();
    } else {
        Advance();
    }
    c.Reset();
}

void THtmlReader::ReadOptions(TFormControl &select)
{
    bool open = false;
    QString text;
    bool selected = false;
    QString value;
    const auto finish = [&] {
        if (!open)
            return;
        // Trimmed of every character up to and including the space at both ends.
        qsizetype from = 0, to = text.size();
        while (from < to && text[from].unicode() <= ' ')
            ++from;
        while (to > from && text[to - 1].unicode() <= ' ')
            --to;
        select.Options << text.mid(from, to - from);
        select.OptionValues << value;
        select.OptionSelected << selected;
        open = false;
    };
    while (Sym() != Eof && Sym() != End(Select)) {
        if (Sym() == Option) {
            finish();
            open = true;
            text.clear();
            selected = Attr(HtmlAttr::Selected) != nullptr;
            const TAttribute *v = Attr(HtmlAttr::Value);
            value = v ? v->Text : QString();
        } else if (Sym() == End(Option)) {
            finish();
        } else if (Sym() == Text && open) {
            text += m_tok.TokenText();
        }
        Advance();
    }
    finish();
    if (Sym() == End(Select))
        Advance();
}

void THtmlReader::FontTag(bool baseFont)
{
    const int *sizes = m_inPre ? kPreFontSizes : kFontSizes;
    TScaledFont f = Top();
    bool recognised = false;
    if (const TAttribute *a = Attr(HtmlAttr::Size)) {
        int size = a->Value;
        const QString t = a->Text.trimmed();
        if (t.size() >= 2 && (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')))
            size += m_baseFontSize;
        size = std::clamp(size, 1, 7);
        if (baseFont)
            m_baseFontSize = size;
        f.NominalSize = sizes[size - 1];
        recognised = true;
    }
    if (!baseFont) {
        TColor c;
        if (const TAttribute *a = Attr(HtmlAttr::Color); a && ParseColour(a->Text, c)) {
            f.Color = c;
            recognised = true;
        }
        if (const TAttribute *a = Attr(HtmlAttr::Face); a && !a->Text.trimmed().isEmpty()) {
            // A list of faces names the first one.
            f.Face = a->Text.section(QLatin1Char(','), 0, 0).trimmed().left(50);
            recognised = true;
        }
    }
    if (PushFont(f) && recognised)
        SwitchFont();
    Advance();
}

void THtmlReader::BigSmall(bool big)
{
    const int *sizes = m_inPre ? kPreFontSizes : kFontSizes;
    int step = -1;
    for (int i = 0; i < 7 && step < 0; ++i) {
        if (sizes[i] == Top().NominalSize)
            step = i;
    }
    if (step >= 0 && (big ? step < 6 : step > 0)) {
        TScaledFont f = Top();
        f.NominalSize = sizes[big ? step + 1 : step - 1];
        if (PushFont(f))
            SwitchFont();
    }
    Advance();
}

void THtmlReader::ReadMap()
{
    auto map = std::make_unique<TImageMap>();
    if (const TAttribute *a = Attr(HtmlAttr::Name))
        map->Name = a->Text.toUpper().trimmed();
    Advance();
    while (Sym() != Eof && Sym() != End(Map)) {
        if (Sym() == Area) {
            const TAttribute *shape = Attr(HtmlAttr::Shape);
            const TAttribute *coords = Attr(HtmlAttr::Coords);
            const TAttribute *href = Attr(HtmlAttr::Href);
            const TAttribute *target = Attr(HtmlAttr::Target);
            map->AddArea(shape ? shape->Text : QString(), coords ? coords->Text : QString(),
                         {href ? href->Text.trimmed() : QString(), target ? target->Text : m_doc.BaseTarget},
                         Attr(HtmlAttr::NoHref) != nullptr);
        }
        Advance();
    }
    if (Sym() == End(Map)) {
        m_doc.Maps.push_back(std::move(map));
        Advance();
    }
}

void THtmlReader::PageBreak()
{
    EndSection();
    m_cell->Add(std::make_unique<TPageBreak>(&m_doc));
    Advance();
}

void THtmlReader::Common()
{
    switch (Sym()) {
    case P: case End(P): Paragraph(); return;
    case Br: Break(); return;
    case B: case Strong: m_style |= fsBold; break;
    case End(B): case End(Strong): m_style &= ~fsBold; break;
    case I: case Em: case Cite: case Var: m_style |= fsItalic; break;
    case End(I): case End(Em): case End(Cite): case End(Var): m_style &= ~fsItalic; break;
    case U: m_style |= fsUnderline; break;
    case End(U): m_style &= ~fsUnderline; break;
    case Sub: m_script = ssSubscript; break;
    case Sup: m_script = ssSuperscript; break;
    case End(Sub): case End(Sup): m_script = ssNormal; break;
    case H: Heading(); return;
    case End(H): EndHeading(); return;
    case Tt: case Code: case Kbd: case Samp: {
        TScaledFont f = Top();
        f.NominalSize = 10;
        f.FixedPitch = true;
        f.Face.clear();
        PushFont(f);
        break;
    }
    case End(Tt): case End(Code): case End(Kbd): case End(Samp): case End(Font): case End(Big): case End(Small):
        PopFont();
        break;
    case Address: {
        EndSection();
        TScaledFont f = Top();
        f.Style |= fsItalic;
        PushFont(f);
        StartSection(m_justify);
        Advance();
        return;
    }
    case End(Address):
        EndSection();
        PopFont();
        Advance();
        return;
    case Center:
    case End(Center):
        EndSection();
        m_justify = Sym() == Center ? jCenter : jLeft;
        StartSection(m_justify);
        Advance();
        return;
    case A: Anchor(); return;
    case End(A): EndAnchor(); return;
    case Text:
        StartSectionIfNone();
        if (m_inPre)
            m_section->AddRawText(m_tok.TokenText());
        else
            m_section->AddText(m_tok.TokenText());
        Advance();
        return;
    case Img: Image(); return;
    case Input: case Select: case TextArea: FormControl(); return;
    case Form: {
        auto form = std::make_unique<TPageForm>();
        if (const TAttribute *a = Attr(HtmlAttr::Method))
            form->Method = a->Text;
        if (const TAttribute *a = Attr(HtmlAttr::Action))
            form->Action = a->Text;
        m_form = form.get();
        m_doc.Forms.push_back(std::move(form));
        Advance();
        return;
    }
    case End(Form): m_form = nullptr; Advance(); return;
    case Font: FontTag(false); return;
    case BaseFont: FontTag(true); return;
    case Big: BigSmall(true); return;
    case Small: BigSmall(false); return;
    case Map: ReadMap(); return;
    case Table: TableLoop(); return;
    case Pre: PreLoop(); return;
    case Page: PageBreak(); return;
    default: Advance(); return;
    }
    // The style tags fall through to here: new text takes the changed font.
    SwitchFont();
    Advance();
}

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
        if (sym == End(Ol) || sym == End(Ul) || sym == End(Dir) || sym == End(Menu) || sym == End(Dl)
            || sym == End(BlockQuote)) {
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
        case Dd: case Dt: {
            auto item = std::make_unique<TDefinitionItem>(&m_doc);
            item->ListKind = lkDefinition;
            StartSection(m_justify, std::move(item));
            Advance();
            break;
        }
        case Hr: Rule(); break;
        case Ol: case Ul: case Dir: case Menu: case Dl: case BlockQuote: ListLoop(); break;
        case Title: case Body: case Base: Advance(); break;
        case End(Body): m_stop = true; m_tok.Stop(); break;
        default: Common(); break;
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
        if (m_section && !m_section->HasText() && m_anchored != m_section.get())
            m_section.reset();
    };
    while (Sym() != Eof && !m_stop) {
        switch (Sym()) {
        case Text:
            StartSectionIfNone();
            m_section->AddRawText(m_tok.TokenText());
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
        case Font: case BaseFont: case End(Font): case Map: case Form: case End(Form): case Input:
        case Select: case TextArea: case B: case I: case U: case Em: case Strong: case Cite: case Var:
        case Sub: case Sup: case End(B): case End(I): case End(U): case End(Em): case End(Strong):
        case End(Cite): case End(Var): case End(Sub): case End(Sup): case Img: case A: case End(A):
            Common();
            break;
        case P: case Br: Break(); break;
        default: Advance(); break;
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
        table->Width = table->WidthPercent ? (w->Value >= 1 && w->Value <= 100 ? w->Value : 0) : std::max(0, w->Value);
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
        const QString v = a->Text.toLower();
        return v == QLatin1String("top") ? vaTop : v == QLatin1String("middle") ? vaMiddle
            : v == QLatin1String("bottom") ? vaBottom : otherwise;
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
            Advance();
            break;
        case Td:
        case Th: {
            closeCell();
            const bool header = Sym() == Th;
            m_justify = AlignOf(Attr(HtmlAttr::Align), rowAlign != jNone ? rowAlign : header ? jCenter : jLeft);
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
                cell->Width = cell->WidthPercent ? (w->Value >= 1 && w->Value <= 100 ? w->Value : 0) : std::max(0, w->Value);
                if (!cell->Width)
                    cell->WidthPercent = false;
            }
            cell->VAlign = vAlignOf(Attr(HtmlAttr::VAlign), rowVAlign);
            if (const TAttribute *a = Attr(HtmlAttr::BgColor); a && ParseColour(a->Text, c))
                cell->Background = c, cell->HasBackground = true;
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
            const TAttribute *a = Attr(HtmlAttr::Align);
            table->CaptionOnTop = !(a && a->Text.toLower() == QLatin1String("bottom"));
            table->Caption = std::make_unique<TTableCell>();
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
    m_cell->Add(std::move(table));
    if (!error.ok())
        Fail(error);
    else if (Sym() == End(Table))
        Advance();
}

} // namespace

namespace {

QByteArray JoinLines(const QList<QByteArray> &lines)
{
    qsizetype total = 0;
    for (const QByteArray &l : lines)
        total += l.size() + 1;
    QByteArray all;
    all.reserve(total);
    for (const QByteArray &l : lines) {
        all += l;
        all += '\r';
    }
    return all;
}

TViewError ReadText(TViewDocument &doc, const char *data, qsizetype length)
{
    // Every line is one preformatted line; nothing is interpreted.
    TScaledFont font;
    font.NominalSize = 10;
    font.FixedPitch = true;
    font.Color = doc.DefaultFontColor;
    qsizetype pos = 0;
    QString line;
    while (pos < length) {
        qsizetype end = pos;
        while (end < length && data[end] != '\r' && data[end] != '\n')
            ++end;
        auto section = std::make_unique<TPreformattedLine>(&doc);
        section->ChangeFont(font, ssNormal);
        line.clear();
        for (qsizetype i = pos; i < end; ++i) {
            const uchar b = uchar(data[i]);
            if (b == '\t')
                line += QLatin1Char(' ');
            else if (b >= 32 && b != 127)
                line += QChar(Cp1252ToUnicode(b));
        }
        section->AddRawText(line);
        doc.Add(std::move(section));
        if (end < length) {
            const char first = data[end];
            ++end;
            if (end < length && (data[end] == '\r' || data[end] == '\n') && data[end] != first)
                ++end;
        }
        pos = end;
    }
    return {};
}

QByteArray ReadWholeFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

TViewError ParseHtmlBuffer(TViewDocument &doc, TAnchorList &anchors, const char *data, qsizetype length)
{
    THtmlTokenizer tok(data, data ? length : 0);
    THtmlReader reader(doc, anchors, tok);
    return reader.Read();
}

TViewError ParseHtmlLines(TViewDocument &doc, TAnchorList &anchors, const QList<QByteArray> &lines)
{
    const QByteArray all = JoinLines(lines);
    return ParseHtmlBuffer(doc, anchors, all.constData(), all.size());
}

TViewError ParseHtmlFile(TViewDocument &doc, TAnchorList &anchors, const QString &fileName)
{
    const QByteArray all = ReadWholeFile(fileName);
    return ParseHtmlBuffer(doc, anchors, all.constData(), all.size());
}

TViewError ParseTextLines(TViewDocument &doc, TAnchorList &, const QList<QByteArray> &lines)
{
    const QByteArray all = JoinLines(lines);
    return ReadText(doc, all.constData(), all.size());
}

TViewError ParseTextFile(TViewDocument &doc, TAnchorList &, const QString &fileName)
{
    const QByteArray all = ReadWholeFile(fileName);
    return ReadText(doc, all.constData(), all.size());
}

#include "htmldocumentreader.h"

#include "anchorlist.h"
#include "headinggap.h"
#include "pagebreak.h"
#include "paragraphgap.h"
#include "preformattedline.h"
#include "rulesection.h"
#include "viewdocument.h"

#include <algorithm>

using namespace HtmlSym;

namespace {

constexpr int kFontSizes[7] = {8, 10, 12, 14, 18, 24, 36};
constexpr int kPreFontSizes[7] = {7, 8, 10, 12, 15, 20, 30};
constexpr int kHeadingSizes[7] = {12, 24, 18, 15, 12, 10, 8};

struct NamedColour {
    const char *name;
    uint32_t rgb; // as written in HTML: red in the high byte
};
constexpr NamedColour kColours[16] = {
    {"BLACK", 0x000000},  {"MAROON", 0x800000},  {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080},   {"PURPLE", 0x800080},  {"TEAL", 0x008080},  {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000},     {"LIME", 0x00FF00},  {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF},   {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF},  {"WHITE", 0xFFFFFF},
};

TColor FromHtmlRgb(uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// Named anchors and form controls are referred to from outside their sections: the anchor list
// and each form's control list. While reading, the reader may still drop a section (a table cut
// to its columns), so the references are made only here, once the parse is over, from the
// sections the document really holds: they live exactly as long as those sections.
void RegisterReferences(const TCell &cell, TAnchorList &anchors)
{
    for (const auto &s : cell.Sections()) {
        if (auto *section = dynamic_cast<TSection *>(s.get())) {
            for (const QString &name : section->AnchorNames())
                anchors.Add(name, section);
            for (const auto &control : section->Controls()) {
                if (control->Form)
                    control->Form->Controls.push_back(control.get());
            }
        }
        s->ForEachNestedCell([&anchors](TCell &nested) { RegisterReferences(nested, anchors); });
    }
}

} // namespace

// A colour attribute value: a colour name or hexadecimal digits (a "#" anywhere is dropped).
bool ParseColour(QStringView value, TColor &out)
{
    // Nearly every colour of a page is a name or "#" and hexadecimal digits in ASCII: those are
    // read here without making a string. Anything else takes the general way below.
    constexpr qsizetype kMaxAscii = 16;
    if (value.size() <= kMaxAscii) {
        char upper[kMaxAscii];
        qsizetype n = 0;
        bool ascii = true;
        for (const QChar c : value) {
            const char16_t u = c.unicode();
            if (u >= 128) {
                ascii = false;
                break;
            }
            upper[n++] = char(u >= 'a' && u <= 'z' ? u - 32 : u);
        }
        if (ascii) {
            const QByteArrayView name(upper, n);
            for (const NamedColour &c : kColours) {
                if (name == c.name) {
                    out = FromHtmlRgb(c.rgb) | kPaletteRelative;
                    return true;
                }
            }
            const QByteArrayView digits = name.startsWith('#') ? name.sliced(1) : name;
            uint32_t rgb = 0;
            bool hex = !digits.isEmpty() && digits.size() <= 8;
            for (qsizetype i = 0; hex && i < digits.size(); ++i) {
                const char d = digits[i];
                hex = (d >= '0' && d <= '9') || (d >= 'A' && d <= 'F');
                rgb = rgb * 16 + uint32_t(d <= '9' ? d - '0' : d - 'A' + 10);
            }
            if (hex) {
                out = FromHtmlRgb(rgb & 0xFFFFFF) | kPaletteRelative;
                return true;
            }
        }
    }
    const QString upper = value.toString().toUpper();
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

bool IsKeyword(QStringView value, QLatin1StringView keyword)
{
    if (value.size() == keyword.size()) {
        qsizetype i = 0;
        for (; i < value.size(); ++i) {
            const char16_t u = value[i].unicode();
            if (u >= 128)
                break;
            if ((u >= 'A' && u <= 'Z' ? u + 32 : u) != keyword[i].unicode())
                return false;
        }
        if (i == value.size())
            return true;
    } else if (std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 128; })) {
        return false; // lower case keeps the length of ASCII text
    }
    return value.toString().toLower() == keyword;
}

TJustify AlignOf(const TAttribute *a, TJustify otherwise)
{
    if (!a)
        return otherwise;
    const QStringView v = a->Text.left(10);
    if (IsKeyword(v, QLatin1StringView("left")))
        return jLeft;
    if (IsKeyword(v, QLatin1StringView("center")))
        return jCenter;
    if (IsKeyword(v, QLatin1StringView("right")))
        return jRight;
    return otherwise;
}

bool IsPercent(const TAttribute *a)
{
    return a && a->Text.trimmed().endsWith(QLatin1Char('%'));
}

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
    if (m_section->HasText() || m_inPre || m_section->Clear != cmNone || !m_section->AnchorNames().isEmpty())
        m_cell->Add(std::move(m_section));
    m_section.reset();
}

void THtmlReader::AddSection(std::unique_ptr<TSectionBase> section)
{
    section->ListLevel = m_listLevel;
    m_cell->Add(std::move(section));
}

bool THtmlReader::IsCellEnd(int sym) const
{
    if (m_cellDepth == 0)
        return false;
    switch (sym) {
    case Td:
    case End(Td):
    case Th:
    case End(Th):
    case Tr:
    case Caption:
    case End(Caption):
    case End(Table):
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
    for (const auto &form : m_doc.Forms)
        form->Controls.clear();
    RegisterReferences(m_doc, m_anchors);
    return m_error.ok() ? m_tok.Error() : m_error;
}

void THtmlReader::DocumentLoop()
{
    while (Sym() != Eof && !m_stop) {
        if (IsCellEnd(Sym()))
            return;
        switch (Sym()) {
        case Title:
            ReadTitle();
            break;
        case Body:
            ReadBody();
            break;
        case End(Body):
            // Nothing after the end of the body is shown.
            m_stop = true;
            m_tok.Stop();
            return;
        case Base:
            if (const TAttribute *a = Attr(HtmlAttr::Href))
                m_doc.Base = a->Text.toString();
            if (const TAttribute *a = Attr(HtmlAttr::Target))
                m_doc.BaseTarget = a->Text.toString();
            Advance();
            break;
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
        default:
            Common();
            break;
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
            m_doc.BackgroundImageName = a->Text.trimmed().toString();
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
    AddSection(std::move(rule));
    Advance();
}

void THtmlReader::Paragraph()
{
    TJustify justify = Sym() == P ? AlignOf(Attr(HtmlAttr::Align), m_justify) : m_justify;
    EndSection();
    AddSection(std::make_unique<TParagraphGap>(&m_doc));
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
        clear = IsKeyword(a->Text, QLatin1StringView("left"))    ? cmLeft
                : IsKeyword(a->Text, QLatin1StringView("right")) ? cmRight
                                                                 : cmBoth;
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
        AddSection(std::make_unique<THeadingGap>(&m_doc, level));
        StartSection(justify);
    }
    Advance();
}

void THtmlReader::EndHeading()
{
    if (m_fonts.size() > 1) {
        EndSection();
        AddSection(std::make_unique<THeadingGap>(&m_doc, m_tok.HeadingLevel()));
        PopFont();
    }
    Advance();
}

void THtmlReader::Anchor()
{
    if (const TAttribute *href = Attr(HtmlAttr::Href); href && !href->Text.isEmpty()) {
        const TAttribute *target = Attr(HtmlAttr::Target);
        m_link = {href->Text.trimmed().toString(), target ? target->Text.toString() : m_doc.BaseTarget};
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
        m_section->AddAnchor(name->Text.toString().toUpper());
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

void THtmlReader::FontTag(bool baseFont)
{
    const int *sizes = m_inPre ? kPreFontSizes : kFontSizes;
    TScaledFont f = Top();
    bool recognised = false;
    if (const TAttribute *a = Attr(HtmlAttr::Size)) {
        int size = a->Value;
        const QStringView t = a->Text.trimmed();
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
            const qsizetype comma = a->Text.indexOf(QLatin1Char(','));
            f.Face = (comma < 0 ? a->Text : a->Text.first(comma)).trimmed().left(50).toString();
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

void THtmlReader::PageBreak()
{
    EndSection();
    AddSection(std::make_unique<TPageBreak>(&m_doc));
    Advance();
}

void THtmlReader::Common()
{
    switch (Sym()) {
    case P:
    case End(P):
        Paragraph();
        return;
    case Br:
        Break();
        return;
    case B:
    case Strong:
        m_style |= fsBold;
        break;
    case End(B):
    case End(Strong):
        m_style &= ~fsBold;
        break;
    case I:
    case Em:
    case Cite:
    case Var:
        m_style |= fsItalic;
        break;
    case End(I):
    case End(Em):
    case End(Cite):
    case End(Var):
        m_style &= ~fsItalic;
        break;
    case U:
        m_style |= fsUnderline;
        break;
    case End(U):
        m_style &= ~fsUnderline;
        break;
    case Sub:
        m_script = ssSubscript;
        break;
    case Sup:
        m_script = ssSuperscript;
        break;
    case End(Sub):
    case End(Sup):
        m_script = ssNormal;
        break;
    case H:
        Heading();
        return;
    case End(H):
        EndHeading();
        return;
    case Tt:
    case Code:
    case Kbd:
    case Samp: {
        TScaledFont f = Top();
        f.NominalSize = 10;
        f.FixedPitch = true;
        f.Face.clear();
        PushFont(f);
        break;
    }
    case End(Tt):
    case End(Code):
    case End(Kbd):
    case End(Samp):
    case End(Font):
    case End(Big):
    case End(Small):
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
    case A:
        Anchor();
        return;
    case End(A):
        EndAnchor();
        return;
    case Text:
        StartSectionIfNone();
        m_section->AddText(m_tok.TokenText()); // a preformatted line keeps its spaces itself
        Advance();
        return;
    case Img:
        Image();
        return;
    case Input:
    case Select:
    case TextArea:
        FormControl();
        return;
    case Form: {
        auto form = std::make_unique<TPageForm>();
        if (const TAttribute *a = Attr(HtmlAttr::Method))
            form->Method = a->Text.toString();
        if (const TAttribute *a = Attr(HtmlAttr::Action))
            form->Action = a->Text.toString();
        m_form = form.get();
        m_doc.Forms.push_back(std::move(form));
        Advance();
        return;
    }
    case End(Form):
        m_form = nullptr;
        Advance();
        return;
    case Font:
        FontTag(false);
        return;
    case BaseFont:
        FontTag(true);
        return;
    case Big:
        BigSmall(true);
        return;
    case Small:
        BigSmall(false);
        return;
    case Map:
        ReadMap();
        return;
    case Table:
        TableLoop();
        return;
    case Pre:
        PreLoop();
        return;
    case Page:
        PageBreak();
        return;
    default:
        Advance();
        return;
    }
    // The style tags fall through to here: new text takes the changed font.
    SwitchFont();
    Advance();
}

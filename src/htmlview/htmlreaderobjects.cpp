// Images, form controls with their options, and image maps of the HTML reader.
#include "htmldocumentreader.h"
#include "viewdocument.h"

namespace {
// A picture is shown at most this many pixels each way, so that a line of thousands of them still
// measures within range.
constexpr int kMaxImageSide = 32767;
} // namespace

using namespace HtmlSym;

void THtmlReader::Image()
{
    StartSectionIfNone();
    auto image = std::make_unique<TInlineImage>();
    if (const TAttribute *a = Attr(HtmlAttr::Src))
        image->Source = a->Text.trimmed().toString();
    if (const TAttribute *a = Attr(HtmlAttr::Alt))
        image->Alt = a->Text.toString();
    if (const TAttribute *a = Attr(HtmlAttr::Align)) {
        const QStringView v = a->Text;
        image->Align = IsKeyword(v, QLatin1StringView("top"))      ? iaTop
                       : IsKeyword(v, QLatin1StringView("middle")) ? iaMiddle
                       : IsKeyword(v, QLatin1StringView("left"))   ? iaLeft
                       : IsKeyword(v, QLatin1StringView("right"))  ? iaRight
                                                                   : iaBottom;
    }
    if (const TAttribute *a = Attr(HtmlAttr::Height))
        image->RequestedHeight = std::min(a->Value, kMaxImageSide);
    if (const TAttribute *a = Attr(HtmlAttr::Width))
        image->RequestedWidth = std::min(a->Value, kMaxImageSide);
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
        QString name = a->Text.toString().toUpper().trimmed();
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
        control->Name = a->Text.toString();
    if (const TAttribute *a = Attr(HtmlAttr::Value))
        control->Value = a->Text.toString();
    if (const TAttribute *a = Attr(HtmlAttr::Size))
        control->Size = std::clamp(a->Value, 0, 200);
    if (const TAttribute *a = Attr(HtmlAttr::MaxLength))
        control->MaxLength = std::max(0, a->Value);
    control->Checked = Attr(HtmlAttr::Checked) != nullptr;
    if (sym == Input) {
        const TAttribute *t = Attr(HtmlAttr::Type);
        const QString type = t ? t->Text.toString().toLower() : QString();
        if (type == QLatin1String("password")) {
            control->Password = true;
        } else if (type == QLatin1String("submit") || type == QLatin1String("reset") ||
                   type == QLatin1String("button") || type == QLatin1String("image")) {
            control->Kind = TFormControlKind::Button;
            control->Submit = type != QLatin1String("reset") && type != QLatin1String("button");
            if (control->Value.isEmpty())
                control->Value =
                    type == QLatin1String("reset") ? QStringLiteral("Reset") : QStringLiteral("Submit");
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
        control->Kind =
            control->Multiple || control->Size > 1 ? TFormControlKind::ListBox : TFormControlKind::Combo;
    } else {
        control->Kind = TFormControlKind::TextArea;
        if (const TAttribute *a = Attr(HtmlAttr::Cols); a && a->Value > 0)
            control->Cols = std::min(a->Value, 200);
        if (const TAttribute *a = Attr(HtmlAttr::Rows); a && a->Value > 0)
            control->Rows = std::min(a->Value, 100);
    }
    TFormControl &c = *control;
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
            value = v ? v->Text.toString() : QString();
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

void THtmlReader::ReadMap()
{
    auto map = std::make_unique<TImageMap>();
    if (const TAttribute *a = Attr(HtmlAttr::Name))
        map->Name = a->Text.toString().toUpper().trimmed();
    Advance();
    while (Sym() != Eof && Sym() != End(Map)) {
        if (Sym() == Area) {
            const TAttribute *shape = Attr(HtmlAttr::Shape);
            const TAttribute *coords = Attr(HtmlAttr::Coords);
            const TAttribute *href = Attr(HtmlAttr::Href);
            const TAttribute *target = Attr(HtmlAttr::Target);
            map->AddArea(shape ? shape->Text.toString() : QString(),
                         coords ? coords->Text.toString() : QString(),
                         {href ? href->Text.trimmed().toString() : QString(),
                          target ? target->Text.toString() : m_doc.BaseTarget},
                         Attr(HtmlAttr::NoHref) != nullptr);
        }
        Advance();
    }
    if (Sym() == End(Map)) {
        m_doc.Maps.push_back(std::move(map));
        Advance();
    }
}

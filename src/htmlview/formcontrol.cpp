#include "formcontrol.h"

#include "scaledfont.h"
#include "viewdocument.h"

#include <algorithm>

namespace {
constexpr QRgb kFrame = 0xFF808080;
constexpr QRgb kField = 0xFFFFFFFF;
constexpr QRgb kFace = 0xFFE8E8E8;
constexpr QRgb kInk = 0xFF000000;
constexpr int kCheckSize = 13;
} // namespace

void TFormControl::Reset()
{
    CurrentValue = Value;
    CurrentChecked = Checked;
    CurrentSelected = OptionSelected;
    // A drop-down always shows one entry: the first selected, else the first.
    if (Kind == TFormControlKind::Combo && !CurrentSelected.contains(true) && !CurrentSelected.isEmpty())
        CurrentSelected[0] = true;
}

void TFormControl::Measure(const TViewDocument &doc, ViewHost &host)
{
    const TFontHandle font = host.createFont(TScaledFont().FontSpec(doc));
    const TFontMetrics m = host.fontMetrics(font);
    const int charWidth = std::max(1, host.textWidth(font, u"0"));
    int widest = 0;
    for (const QString &o : Options)
        widest = std::max(widest, host.textWidth(font, o));
    switch (Kind) {
    case TFormControlKind::Hidden:
        Width = Height = 0;
        break;
    case TFormControlKind::Edit:
        Width = (Size > 0 ? Size : 20) * charWidth + 8;
        Height = m.Height() + 6;
        break;
    case TFormControlKind::Button:
        Width = host.textWidth(font, Value) + 16;
        Height = m.Height() + 8;
        break;
    case TFormControlKind::Radio:
    case TFormControlKind::CheckBox:
        Width = Height = kCheckSize;
        break;
    case TFormControlKind::Combo:
        Width = std::max(widest, 4 * charWidth) + 8 + m.Height();
        Height = m.Height() + 6;
        break;
    case TFormControlKind::ListBox:
        Width = std::max(widest, 4 * charWidth) + 8 + 16;
        Height = (Size > 1 ? Size : 4) * m.Height() + 4;
        break;
    case TFormControlKind::TextArea:
        Width = Cols * charWidth + 8 + 16;
        Height = Rows * m.Height() + 6;
        break;
    }
}

void TFormControl::Draw(const TViewDocument &doc, ViewHost &host, int dx, int dy) const
{
    if (Kind == TFormControlKind::Hidden)
        return;
    const QRect r(X + dx, Y + dy, Width, Height);
    const TFontHandle font = host.createFont(TScaledFont().FontSpec(doc));
    const TFontMetrics m = host.fontMetrics(font);
    const int textY = r.top() + (r.height() - m.Height()) / 2 + m.Ascent;
    switch (Kind) {
    case TFormControlKind::Radio:
        host.drawEllipse(r, kField, TFill::Solid);
        host.drawEllipse(r, kFrame, TFill::Outline);
        if (CurrentChecked)
            host.drawEllipse(r.adjusted(3, 3, -3, -3), kInk, TFill::Solid);
        return;
    case TFormControlKind::CheckBox:
        host.fillRect(r, kField);
        host.drawFrame(r, kFrame);
        if (CurrentChecked) {
            host.drawLine(r.topLeft() + QPoint(3, 6), r.topLeft() + QPoint(5, 9), kInk);
            host.drawLine(r.topLeft() + QPoint(5, 9), r.topLeft() + QPoint(10, 3), kInk);
        }
        return;
    case TFormControlKind::Button:
        host.fillRect(r, kFace);
        host.drawFrame(r, kFrame);
        host.drawText(r.left() + 8, textY, font, kInk, Value);
        return;
    default:
        break;
    }
    host.fillRect(r, kField);
    host.drawFrame(r, kFrame);
    QString shown;
    if (Kind == TFormControlKind::Edit) {
        shown = Password ? QString(CurrentValue.size(), QLatin1Char('*')) : CurrentValue;
    } else if (Kind == TFormControlKind::Combo) {
        const qsizetype i = CurrentSelected.indexOf(true);
        shown = i >= 0 && i < Options.size() ? Options[i] : QString();
        const int button = m.Height();
        host.fillRect(QRect(r.right() - button, r.top() + 1, button, r.height() - 2), kFace);
    }
    if (Kind == TFormControlKind::ListBox || Kind == TFormControlKind::TextArea) {
        const QStringList &rows = Kind == TFormControlKind::ListBox ? Options : Lines;
        int y = r.top() + 2 + m.Ascent;
        for (int i = 0; i < rows.size() && y < r.bottom(); ++i, y += m.Height()) {
            const bool selected =
                Kind == TFormControlKind::ListBox && i < CurrentSelected.size() && CurrentSelected[i];
            if (selected)
                host.fillRect(QRect(r.left() + 1, y - m.Ascent, r.width() - 2, m.Height()), 0xFF3060C0);
            host.drawText(r.left() + 4, y, font, selected ? kField : kInk, rows[i]);
        }
        return;
    }
    host.drawText(r.left() + 4, textY, font, kInk, shown);
}

QStringList TFormControl::Submission() const
{
    if (Name.isEmpty())
        return {};
    switch (Kind) {
    case TFormControlKind::Radio:
    case TFormControlKind::CheckBox:
        if (!CurrentChecked)
            return {};
        return {Name + QLatin1Char('=') + (Value.isEmpty() ? QStringLiteral("On") : Value)};
    case TFormControlKind::Button:
        return {};
    case TFormControlKind::Combo:
    case TFormControlKind::ListBox: {
        QStringList out;
        for (int i = 0; i < Options.size(); ++i) {
            if (i < CurrentSelected.size() && CurrentSelected[i])
                out << Name + QLatin1Char('=') +
                           (OptionValues.value(i).isEmpty() ? Options[i] : OptionValues[i]);
        }
        return out;
    }
    case TFormControlKind::TextArea:
        return {Name + QLatin1Char('=') + Lines.join(QLatin1String("\r\n"))};
    default:
        return {Name + QLatin1Char('=') + CurrentValue};
    }
}

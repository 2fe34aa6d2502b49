#include "inlineimage.h"

#include "scaledfont.h"
#include "viewdocument.h"

namespace {
// Alternative text beside a placeholder uses the document's ordinary font.
TFontHandle AltFont(const TViewDocument &doc, ViewHost &host)
{
    TScaledFont font;
    return host.createFont(font.FontSpec(doc));
}
} // namespace

void TInlineImage::Measure(TViewDocument &doc, ViewHost &host)
{
    THostImage info;
    if (doc.ShowImages) {
        info = doc.RequestImage(Source, Transparent);
        Placeholder = doc.IsPlaceholder(info.Handle);
    } else {
        info = host.builtinImage(TBuiltinImage::Placeholder);
        Placeholder = true;
    }
    Requested = true;
    Image = info.Handle;
    if (RequestedWidth > 0 && RequestedHeight > 0 && !Placeholder) {
        ImageWidth = RequestedWidth;
        ImageHeight = RequestedHeight;
    } else {
        ImageWidth = info.Width;
        ImageHeight = info.Height;
    }
    ShownWidth = ImageWidth;
    ShownHeight = ImageHeight;
    if (Placeholder && !Alt.isEmpty()) {
        const TFontHandle font = AltFont(doc, host);
        const TFontMetrics m = host.fontMetrics(font);
        ShownWidth += host.textWidth(font, Alt) + 4;
        ShownHeight = std::max(ShownHeight, m.Height());
    }
    Border = (doc.ShowImages && InLink && !NoBorder) || (Placeholder && (!Alt.isEmpty() || InLink));
    if (Border) {
        ShownWidth += 2;
        ShownHeight += 2;
    }
}

void TInlineImage::Draw(const TViewDocument &doc, ViewHost &host, int dx, int dy) const
{
    const int x = X + dx;
    const int y = Y + dy;
    const int b = Border ? 1 : 0;
    if (Border) {
        const TColor colour = InLink ? doc.LinkColor : doc.DefaultFontColor;
        host.drawFrame(QRect(x, y, ShownWidth, ShownHeight), host.toRgb(colour));
    }
    if (Image)
        host.drawImage(Image, QRect(x + b, y + b, ImageWidth, ImageHeight));
    if (Placeholder && !Alt.isEmpty()) {
        TViewDocument &d = const_cast<TViewDocument &>(doc);
        const TFontHandle font = AltFont(d, host);
        const TFontMetrics m = host.fontMetrics(font);
        const int inner = ShownHeight - 2 * b;
        const int top = y + b + (inner - m.Height()) / 2;
        host.drawText(x + b + ImageWidth + 2, top + m.Ascent, font, host.toRgb(doc.DefaultFontColor), Alt);
    }
}

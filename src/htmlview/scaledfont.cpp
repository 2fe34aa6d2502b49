#include "scaledfont.h"

#include "viewdocument.h"

TFontSpec TScaledFont::FontSpec(const TViewDocument &doc) const
{
    TFontSpec fontSpec;
    fontSpec.Face = !Face.isEmpty() ? Face : FixedPitch ? doc.PreFontName : doc.DefaultFontName;
    fontSpec.PointSize = qMax(1, MulDiv(NominalSize, doc.DefaultFontSize, 12));
    fontSpec.Style = Style;
    fontSpec.FixedPitch = FixedPitch;
    return fontSpec;
}

TFontHandle TScaledFont::Handle(const TViewDocument &doc, ViewHost &host) const
{
    if (!m_handle)
        m_handle = host.createFont(FontSpec(doc));
    return m_handle;
}

#include "scaledfont.h"

#include "viewdocument.h"

TFontSpec TScaledFont::Spec(const TViewDocument &doc) const
{
    TFontSpec spec;
    spec.Face = !Face.isEmpty() ? Face : FixedPitch ? doc.PreFontName : doc.DefaultFontName;
    spec.PointSize = qMax(1, MulDiv(NominalSize, doc.DefaultFontSize, 12));
    spec.Style = Style;
    spec.FixedPitch = FixedPitch;
    return spec;
}

TFontHandle TScaledFont::Handle(const TViewDocument &doc, ViewHost &host) const
{
    if (!m_handle)
        m_handle = host.createFont(Spec(doc));
    return m_handle;
}

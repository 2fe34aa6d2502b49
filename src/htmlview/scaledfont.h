#pragma once

#include "viewhost.h"

class TViewDocument;

// A font of the display model: the nominal point size the page asked for, shown at nominal size x
// the viewer's default font size / 12, with the preformatted font name when fixed-pitch (or the
// FACE a FONT tag named). The host
// handle is looked up on first use and dropped when the document's fonts change.
class TScaledFont {
public:
    int NominalSize = 12;
    bool FixedPitch = false;
    uint8_t Style = fsNone;
    TColor Color = clBlack;
    QString Face; // FONT FACE; empty for the document's default or preformatted font

    // The shown point size and name for the document's current settings.
    TFontSpec FontSpec(const TViewDocument &doc) const;
    TFontHandle Handle(const TViewDocument &doc, ViewHost &host) const;
    void ResetHandle() { m_handle = 0; }

private:
    mutable TFontHandle m_handle = 0;
};

#pragma once

#include "scaledfont.h"

enum TScriptState : uint8_t { ssNormal = 0, ssSubscript = 1, ssSuperscript = 2 };

// From Start on (a character position inside its section) the section's text is drawn with Font,
// belongs to Link when that is not empty, and is lowered or raised by Script.
struct TFontRun {
    int Start = 0;
    TScaledFont Font;
    TLinkTarget Link;
    TScriptState Script = ssNormal;
};

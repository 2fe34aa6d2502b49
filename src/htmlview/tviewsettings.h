#pragma once

#include "viewtypes.h"

#include <QString>

// The viewer's settings that shape a document when it is loaded: fonts, colours and whether
// images are shown. The widget keeps them as its properties; zvtool render uses the defaults.
struct TViewSettings {
    QString DefaultFontName = QStringLiteral("Times New Roman");
    QString FixedFontName = QStringLiteral("Courier New");
    int DefaultFontSize = 12;
    TColor DefaultFontColor = clBtnText;
    TColor DefaultLinkColor = clBlue;
    TColor DefaultBackground = clBtnFace;
    bool ShowImages = true;
};

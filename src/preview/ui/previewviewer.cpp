#include "previewviewer.h"

#include "previewsettings.h"

TPreviewViewer::TPreviewViewer(QWidget *parent) : TPageViewer(parent)
{
    setObjectName(QStringLiteral("ctlHTML"));
    // Scrolled with the keyboard like any page; a screen reader says what it shows.
    setAccessibleName(QStringLiteral("Preview of your page"));
    const TViewSettings settings = PreviewViewSettings();
    SetShowImages(settings.ShowImages);
    SetBorderStyle(TViewerBorderStyle::vbSingle);
    SetHistoryLimit(0);
    SetDefaultBackground(settings.DefaultBackground);
    SetDefaultFontName(settings.DefaultFontName);
    SetFixedFontName(settings.FixedFontName);
    SetNoSelect(false);
    setCursor(Qt::IBeamCursor);
}

QString TPreviewViewer::ExpandLinkFilename(const QString &name) const
{
    return TPageViewer::ExpandLinkFilename(PreviewLinkName(name, Base()));
}

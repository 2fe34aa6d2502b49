#include "previewviewer.h"

#include "folders.h"
#include "stringtable.h"

TPreviewViewer::TPreviewViewer(QWidget *parent) : TPageViewer(parent)
{
    setObjectName(QStringLiteral("ctlHTML"));
    SetShowImages(true);
    SetBorderStyle(TViewerBorderStyle::vbSingle);
    SetHistoryLimit(0);
    SetDefaultBackground(clSilver);
    SetDefaultFontName(LoadStr(32));
    SetFixedFontName(QStringLiteral("Courier New"));
    SetNoSelect(false);
    setCursor(Qt::IBeamCursor);
}

QString TPreviewViewer::ExpandLinkFilename(const QString &name) const
{
    const QString trimmed = name.trimmed();
    const bool relative = !trimmed.isEmpty() && Base().isEmpty() && !trimmed.contains(QLatin1Char(':')) &&
                          !trimmed.startsWith(QLatin1Char('/')) && !trimmed.startsWith(QLatin1Char('\\'));
    return TPageViewer::ExpandLinkFilename(relative ? HTMLFolder() + trimmed : name);
}

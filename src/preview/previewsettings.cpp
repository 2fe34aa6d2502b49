#include "previewsettings.h"

#include "folders.h"
#include "stringtable.h"

TViewSettings PreviewViewSettings()
{
    TViewSettings settings;
    settings.ShowImages = true;
    settings.DefaultBackground = clSilver;
    settings.DefaultFontName = LoadStr(32);
    settings.FixedFontName = QStringLiteral("Courier New");
    return settings;
}

QString PreviewLinkName(const QString &name, const QString &base)
{
    const QString trimmed = name.trimmed();
    const bool relative = !trimmed.isEmpty() && base.isEmpty() && !trimmed.contains(QLatin1Char(':')) &&
                          !trimmed.startsWith(QLatin1Char('/')) && !trimmed.startsWith(QLatin1Char('\\'));
    return relative ? HTMLFolder() + trimmed : name;
}

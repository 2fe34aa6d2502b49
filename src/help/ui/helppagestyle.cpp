#include "helppagestyle.h"

#include "tpageviewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void PrepareHelpViewer(TPageViewer &viewer)
{
    viewer.SetDefaultFontName(QStringLiteral("Arial"));
    viewer.SetDefaultFontSize(10);
    viewer.SetDefaultBackground(0x00F4FFFF);
    viewer.SetBorderStyle(TViewerBorderStyle::vbNone);
}

QStringList MissingTopicPage(const QString &file)
{
    return {QStringLiteral("<HTML><BODY><P><B>This help topic is missing.</B></P>"),
            QStringLiteral("<P>Zorvin Express could not find the file ") + QFileInfo(file).fileName() +
                QStringLiteral(". Installing the program again puts it back.</P></BODY></HTML>")};
}

bool OpenOutsideLink(const QString &url)
{
    const QString trimmed = url.trimmed();
    const bool outside = trimmed.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
                         trimmed.startsWith(QLatin1String("https:"), Qt::CaseInsensitive) ||
                         trimmed.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    if (outside)
        QDesktopServices::openUrl(QUrl(trimmed));
    return outside;
}

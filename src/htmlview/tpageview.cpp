#include "tpageview.h"

#include "expandlink.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace {

// Page names are written for a file system that ignores letter case, and the link expansion
// lower-cases every name written as a URL. On a file system that minds case, each part of the
// path is looked up without regard to case when the exact spelling is not there.
QString FindOnDisk(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString candidate = found + parts[i];
        if (QFileInfo::exists(candidate)) {
            found = candidate;
        } else {
            const QDir folder(found.isEmpty() ? QStringLiteral(".") : found);
            const QStringList entries =
                folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &entry) {
                return entry.compare(parts[i], Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return path;
            found += *match;
        }
        if (i + 1 < parts.size())
            found += QLatin1Char('/');
    }
    return found;
}

} // namespace

TPageView::TPageView()
{
    m_doc.SetImageCache(&m_cache);
    m_doc.ExpandFileName = [this](const QString &name) {
        return ExpandFileName ? ExpandFileName(name) : DefaultExpandFileName(name);
    };
}

TPageView::~TPageView()
{
    // The sections and the cache hold image handles of the host, which goes last.
    m_doc.Clear();
    m_cache.Clear();
}

void TPageView::Prepare(const TViewSettings &settings)
{
    m_doc.Clear();
    m_anchors.Clear();
    m_cache.Age();
    m_doc.DefaultFontName = settings.DefaultFontName;
    m_doc.PreFontName = settings.FixedFontName;
    m_doc.DefaultFontSize = settings.DefaultFontSize;
    m_doc.DefaultFontColor = settings.DefaultFontColor;
    m_doc.LinkColor = settings.DefaultLinkColor;
    m_doc.ShowImages = settings.ShowImages;
    m_doc.SetBackground(settings.DefaultBackground);
    m_doc.UpdateFonts();
}

TLayoutSize TPageView::Finish(int width)
{
    m_doc.GetBackgroundImage();
    return Layout(width);
}

TLayoutSize TPageView::Layout(int width)
{
    return m_doc.LayoutDocument(width);
}

QString TPageView::DefaultExpandFileName(const QString &name) const
{
    QString path = ExpandLinkFilename(name, m_doc.Base, FileName);
#ifndef Q_OS_WIN
    // Page names use the backslash of the platform they were written for.
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return FindOnDisk(path.isEmpty() ? path : QDir::cleanPath(path));
}

void TPageView::Paint(QPainter &painter, const QRect &clip, QPoint scroll, int selStart, int selEnd)
{
    m_host.begin(&painter);
    const THostImage background = m_doc.GetBackgroundImage();
    // The tiles start at the document's origin, so they move with the page when it scrolls.
    if (background.Handle && m_doc.ShowImages && !m_doc.Printing)
        m_host.drawTiled(background.Handle, clip, -scroll);
    else
        m_host.fillRect(clip, m_host.toRgb(m_doc.Background()));
    m_doc.Draw(clip, LeftMargin - scroll.x(), -scroll.y(), selStart, selEnd);
    m_host.setClip(QRect());
    m_host.end();
}

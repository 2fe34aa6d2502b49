#include "thumbnailmaker.h"

#include "previewhtml.h"
#include "previewviewer.h"

#include <QPainter>

namespace {

// The width of the viewer in the Web tab, so the miniature wraps its lines as the preview does.
constexpr int kPreviewWidth = 609;

} // namespace

QImage MakeThumbnail(const QByteArray &pageHTML, const QSize &size)
{
    if (size.isEmpty())
        return {};
    // The page is laid out at the preview's width and as much of it is taken as fits the
    // picture's proportions, so the miniature is not stretched.
    const QSize area(kPreviewWidth, kPreviewWidth * size.height() / size.width());
    TPreviewViewer viewer;
    viewer.setAttribute(Qt::WA_DontShowOnScreen);
    viewer.SetBorderStyle(TViewerBorderStyle::vbNone);
    viewer.SetScrollBars(TScrollStyle::ssNone);
    viewer.resize(area);
    // Shown without a window on screen, so the viewer arranges its paint surface for the size.
    viewer.show();
    viewer.LoadLines(PageLines(ViewerHTML(pageHTML)));

    QImage page(viewer.ViewSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        viewer.PaintDocument(painter, page.rect());
    }
    return page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

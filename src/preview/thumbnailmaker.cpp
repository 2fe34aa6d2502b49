#include "thumbnailmaker.h"

#include "htmlreader.h"
#include "previewhtml.h"
#include "previewsettings.h"
#include "tpageview.h"

#include <QPainter>

QImage MakeThumbnail(const QByteArray &pageHTML, const QSize &size)
{
    if (size.isEmpty())
        return {};
    TPageView view;
    view.ExpandFileName = [&view](const QString &name) {
        return view.DefaultExpandFileName(PreviewLinkName(name, view.Doc().Base));
    };
    view.Prepare(PreviewViewSettings());
    ParseHtmlLines(view.Doc(), view.Anchors(), PageLines(ViewerHTML(pageHTML)));
    // Laid out as in the preview's viewer, whose page stands a margin in from either side.
    view.Finish(PreviewWidth - 2 * TPageView::LeftMargin);

    // As much of the page is taken as fits the picture's proportions, so the miniature is not
    // stretched. The viewer draws a one-pixel frame around the page, which the miniature leaves
    // out.
    const QSize viewer(PreviewWidth, PreviewWidth * size.height() / size.width());
    QImage page(viewer - QSize(2, 2), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        view.Paint(painter, page.rect(), QPoint(0, 0));
    }
    return page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

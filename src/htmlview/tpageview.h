#pragma once

#include "anchorlist.h"
#include "imagecache.h"
#include "tpainterhost.h"
#include "tviewsettings.h"
#include "viewdocument.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// One shown document without a window: the host, the image cache, the document and its anchors,
// loading, layout and painting with the background. The viewer widget shows one; zvtool render
// and the thumbnail maker paint one into a picture.
class TPageView {
public:
    // The document is painted this far in from the left edge of the view.
    static constexpr int LeftMargin = 10;

    TPageView();
    ~TPageView();
    TPageView(const TPageView &) = delete;
    TPageView &operator=(const TPageView &) = delete;

    TPainterHost &Host() { return m_host; }
    TViewDocument &Doc() { return m_doc; }
    const TViewDocument &Doc() const { return m_doc; }
    TImageCache &Cache() { return m_cache; }
    TAnchorList &Anchors() { return m_anchors; }
    const TAnchorList &Anchors() const { return m_anchors; }

    // Empties the document for the next load: the image cache ages by one document, and the
    // fonts and colours come from the settings.
    void Prepare(const TViewSettings &settings);
    // After the reader: loads the background image and lays out at the width.
    TLayoutSize Finish(int width);
    TLayoutSize Layout(int width);

    // The file the document came from (empty for lines); relative names are found beside it.
    QString FileName;
    // Turns a link or image name into a path of this platform, found without regard to letter
    // case when the exact spelling is not on disk. The viewer may replace it.
    std::function<QString(const QString &name)> ExpandFileName;
    QString DefaultExpandFileName(const QString &name) const;

    // Paints the part clip of the view (view coordinates) with the document scrolled by scroll:
    // the background colour or the tiled background image, then the sections.
    void Paint(QPainter &painter, const QRect &clip, QPoint scroll, int selStart = -1, int selEnd = -1);

private:
    TPainterHost m_host;
    TImageCache m_cache{&m_host};
    TViewDocument m_doc{&m_host};
    TAnchorList m_anchors;
};

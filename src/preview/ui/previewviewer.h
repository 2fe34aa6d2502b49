#pragma once

#include "tpageviewer.h"

// The viewer of the preview stage. The page is handed over as lines, not as a file, so it has
// no folder of its own; its relative picture names ("graphics/dog.gif", a style's
// "backgrnd/stars.gif") are found in the HTML folder, where the page file is saved and from
// where the page is uploaded.
class TPreviewViewer : public TPageViewer {
    Q_OBJECT
public:
    explicit TPreviewViewer(QWidget *parent = nullptr);

    QString ExpandLinkFilename(const QString &name) const override;
};

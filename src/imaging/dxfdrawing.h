#pragma once

#include "imageresult.h"
#include "imagetypes.h"

#include <QImage>
#include <QSize>
#include <QString>

// A small reader for ASCII DXF drawings: lines, polylines, circles, arcs and points of the
// ENTITIES section, drawn black on white. It is enough to show what a drawing holds; anything it
// cannot understand makes the read fail with an error rather than show a wrong picture.
class TDxfDrawing {
public:
    TDxfDrawing() = delete;

    static TImageResult<TDrawingInfo> info(const QString &fileName);
    static TImageResult<QImage> render(const QString &fileName);
    // The size of the rendered picture: the drawing's extents scaled so the longer side is 640.
    static QSize pictureSize(const TDrawingInfo &info);
};

#pragma once

#include "imageresult.h"
#include "imagetypes.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads the formats Qt's image plug-ins know (BMP, GIF, PNG, JPEG, TIFF, TGA). Used only by
// TImageLib, which keeps the returned errors as its last error.
class TQtDecoder {
public:
    TQtDecoder() = delete;

    // format is the Qt format name ("bmp", "gif", ...); page counts from 1 for multi-page files.
    static TImageResult<QImage> read(const QString &fileName, const QByteArray &format, int page,
                                     const TProgressCallback &progress);
    // Size and depth without decoding the pixels.
    static TImageResult<TImageInfo> info(const QString &fileName);
};

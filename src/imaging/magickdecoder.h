#pragma once

#include "imageresult.h"
#include "imagetypes.h"

#include <QImage>
#include <QString>

// Reads the formats Qt has no plug-in for (PCX, Photo CD, EPS through ghostscript) with
// GraphicsMagick. Used only by TImageLib. No GraphicsMagick exception leaves this class.
class TMagickDecoder {
public:
    TMagickDecoder() = delete;

    // magickFormat is GraphicsMagick's name: "PCX", "PCD" or "EPS".
    static TImageResult<QImage> read(const QString &fileName, const char *magickFormat, TPcdSize pcdSize,
                                     const TProgressCallback &progress);
    static TImageResult<TImageInfo> info(const QString &fileName, const char *magickFormat);
    // Writes a picture in a GraphicsMagick format; the tests use it to make PCX and PCD files.
    static bool write(const QImage &image, const QString &fileName, const char *magickFormat);
};

#pragma once

#include "imagetypes.h"

#include <QImage>
#include <QString>

#include <cstdint>

// Reads the formats Qt has no plug-in for (PCX, Photo CD, EPS through ghostscript) with
// GraphicsMagick. Used only by TImageLib. No GraphicsMagick exception leaves this class.
class TMagickDecoder {
public:
    TMagickDecoder() = delete;

    // magickFormat is GraphicsMagick's name: "PCX", "PCD" or "EPS".
    static int16_t read(const QString &fileName, const char *magickFormat, TPcdSize pcdSize,
                        const TProgressCallback &progress, QImage &image, QString &detail);
    static int16_t info(const QString &fileName, const char *magickFormat, TImageInfo &info);
    // Writes a picture in a GraphicsMagick format; the tests use it to make PCX and PCD files.
    static bool write(const QImage &image, const QString &fileName, const char *magickFormat);
};

#pragma once

#include "imagetypes.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

// Reads the formats Qt's image plug-ins know (BMP, GIF, PNG, JPEG, TIFF, TGA). Used only by
// TImageLib, which turns the returned codes into its last error.
class TQtDecoder {
public:
    TQtDecoder() = delete;

    // format is the Qt format name ("bmp", "gif", ...); page counts from 1 for multi-page files.
    // On failure detail may say more than the code does.
    static int16_t read(const QString &fileName, const QByteArray &format, int page,
                        const TProgressCallback &progress, QImage &image, QString &detail);
    // Size and depth without decoding the pixels.
    static int16_t info(const QString &fileName, TImageInfo &info);
};

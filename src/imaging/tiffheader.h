#pragma once

#include "imagetypes.h"

#include <QByteArray>

#include <cstdint>

// Reads the fields of a TIFF file's first directory (size, samples, compression) and counts its
// pages, straight from the file's bytes: Qt's TIFF plug-in decodes pictures but does not tell
// how they are compressed.
class TTiffHeader {
public:
    TTiffHeader() = delete;

    // Returns ImageError::Ok or a negative code; every offset is checked against the data, so a
    // damaged file can neither crash nor loop.
    static int16_t parse(const QByteArray &data, TTiffInfo &info);
};

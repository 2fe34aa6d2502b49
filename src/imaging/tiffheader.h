#pragma once

#include "imageresult.h"
#include "imagetypes.h"

#include <QByteArray>

// Reads the fields of a TIFF file's first directory (size, samples, compression) and counts its
// pages, straight from the file's bytes: Qt's TIFF plug-in decodes pictures but does not tell
// how they are compressed.
class TTiffHeader {
public:
    TTiffHeader() = delete;

    // The fields, or the error that makes the data no readable TIFF file; every offset is
    // checked against the data, so a damaged file can neither crash nor loop.
    static TImageResult<TTiffInfo> parse(const QByteArray &data);
};

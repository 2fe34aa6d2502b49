#include "dxfdrawing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdint>
#include <cstdlib>

// Reads arbitrary bytes as a DXF drawing and renders it. The reader takes a file name, so the
// bytes go through one scratch file that is rewritten for every input. A drawing that reads
// must render to a picture of the size its extents give, with finite extents.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path =
        QDir::temp().filePath(QStringLiteral("zv-fuzz-dxf-%1.dxf").arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const TImageResult<TDrawingInfo> info = TDxfDrawing::info(path);
    const TImageResult<QImage> picture = TDxfDrawing::render(path);
    if (info.ok() != picture.ok())
        std::abort();
    if (!info)
        return 0;
    if (!std::isfinite(info->minX) || !std::isfinite(info->maxX) || !std::isfinite(info->minY) ||
        !std::isfinite(info->maxY) || info->entities < 1)
        std::abort();
    const QSize expected = TDxfDrawing::pictureSize(*info);
    if (expected.width() < 1 || expected.height() < 1 || expected.width() > 640 || expected.height() > 640)
        std::abort();
    if (picture->size() != expected + QSize(16, 16))
        std::abort();
    return 0;
}

#include "thumbnail.h"

#include <QFile>
#include <QImageReader>
#include <QSaveFile>

namespace {

// The start of every builder document: the signature and the version characters.
constexpr char kSignature[] = "Zorvin Express File";
constexpr qsizetype kSignatureSize = sizeof(kSignature) - 1;

bool IsVersionOneDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(kSignatureSize + 4);
    return head.size() == kSignatureSize + 4 && head.startsWith(kSignature) && head[kSignatureSize] == '1';
}

} // namespace

QString ThumbnailFileName(const QString &documentPath)
{
    return documentPath + QStringLiteral(".bmp");
}

std::optional<QImage> LoadThumbnail(const QString &documentPath)
{
    if (!IsVersionOneDocument(documentPath))
        return std::nullopt;
    QImageReader reader(ThumbnailFileName(documentPath));
    // The gallery shows thumbnails small; a damaged or hostile file must not make it allocate
    // a huge picture.
    reader.setAllocationLimit(64);
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

bool SaveThumbnail(const QString &documentPath, const QImage &picture)
{
    if (picture.isNull())
        return false;
    QSaveFile file(ThumbnailFileName(documentPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A standard 24-bit BMP, which every picture viewer and the gallery read.
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Every builder document keeps a small picture of its rendered page beside it, for the
// gallery: the document's full path with ".bmp" appended ("Index.zve.bmp"), a standard BMP file.
// The picture is no part of the document; a document without one is complete.

// The size of the thumbnail: the gallery preview's width and its height plus ten pixels.
inline constexpr QSize ThumbnailSize(196, 229);

QString ThumbnailFileName(const QString &documentPath);

// The thumbnail of a document, or nothing when the document is no builder document of
// version 1, or its thumbnail is missing or unreadable. The gallery then leaves its preview
// as it was.
std::optional<QImage> LoadThumbnail(const QString &documentPath);

// Saves picture as the thumbnail of the document at documentPath, replacing an older one only
// when the new file is complete. Returns false when it could not be written.
bool SaveThumbnail(const QString &documentPath, const QImage &picture);

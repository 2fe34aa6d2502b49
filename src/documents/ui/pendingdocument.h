#pragma once

// Stand-in for the builder document reader and writer of the document model, with the same
// names and the byte format the program's documents use, until the model's own reader and
// writer are available to this library.

#include "webchunk.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct TDocumentRead {
    std::optional<QByteArray> StyleName;
    std::optional<QByteArray> Title;
    TWebChunkList Chunks;
};

// Reads the blocks of the document at path; stops quietly at the first thing it cannot read,
// keeping the blocks read before it.
TDocumentRead ReadDocument(const QString &path);
// False when the file could not be written.
bool WriteDocument(const QString &path, const QByteArray &styleName, const QByteArray &title,
                   const TWebChunkList &chunks, QString *error = nullptr);

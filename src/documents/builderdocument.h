#pragma once

#include "webchunk.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Builder documents (".zve" pages and ".zvt" templates) keep a page as the builder sees it: the
// style name, the page title and every block with all its fields. Little-endian 32-bit
// integers and file strings; the layout is
//
//   "Zorvin Express File" "1.11" style-name title block-count blocks... 4 -1 trailer

// Why reading stopped, when it did not read every block the document announced.
enum class TDocumentStatus {
    Complete,           // every announced block was read
    CannotOpen,         // the file could not be opened
    NotADocument,       // the signature is missing
    BadVersion,         // the version text is not "digit ? digit digit"
    UnsupportedVersion, // a major version other than 1
    Truncated,          // the file ended early; what came before it was kept
    BlockError,         // an end marker or an unknown kind stood among the blocks
};

// ChunkReadError of a read: why the block loop ended early.
enum class TChunkReadError {
    None = 0,
    EndMarker = 3,   // the kind -1 stood among the announced blocks
    UnknownKind = 4, // a kind outside 0 to 5
};

// Everything one read of a document gives. A damaged document keeps what was read before the
// damage; the caller applies StyleName and Title only when they are set (older versions do not
// store them).
struct TDocumentRead {
    TDocumentStatus Status = TDocumentStatus::Complete;
    int FileVersionMajor = 0;
    int FileVersionMinor = 0;
    std::optional<QByteArray> StyleName; // versions 1.01 on
    std::optional<QByteArray> Title;     // versions 1.03 on
    TWebChunkList Chunks;
    // The number of blocks the document announces; 0 when the file ends before it says.
    int32_t BlockCount = 0;
    TChunkReadError ChunkReadError = TChunkReadError::None;
    QString Error; // a sentence for the user; empty when Complete

    // True when the file was a builder document the program can read, whole or in part.
    bool readable() const;
    // True when the file was readable but damaged: some of what it announced is missing.
    bool damaged() const;
};

// Reads a document from its bytes; never reads past them and never trusts a length field.
TDocumentRead ReadDocumentBytes(QByteArrayView bytes);
TDocumentRead ReadDocument(const QString &path);
// True when the file at path starts like a builder document this program can read (signature
// and a version 1 number); it reads no further than that.
bool IsReadableDocument(const QString &path);

// The exact bytes of a document. Chunks of no known kind are left out (and not counted).
QByteArray DocumentBytes(const QByteArray &styleName, const QByteArray &title, const TWebChunkList &chunks);
// Writes a document, replacing the file only once the new one is complete. Returns false with
// a message in error when the file cannot be written; the old file is then left untouched.
bool WriteDocument(const QString &path, const QByteArray &styleName, const QByteArray &title,
                   const TWebChunkList &chunks, QString *error = nullptr);

#include "builderdocument.h"
#include "bytecursor.h"
#include "documentformat.h"
#include "filebytes.h"
#include "filestring.h"

#include <QFile>

#include <algorithm>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool readAlign(TByteCursor &in, TBlockAlign &align)
{
    int32_t value = 0;
    if (!in.readInt32(value))
        return false;
    align = TBlockAlign(uint8_t(value & 0xFF)); // only the lowest byte carries the alignment
    return true;
}

bool readFlag(TByteCursor &in, uint8_t &flag)
{
    return in.readByte(flag);
}

// The fields of each kind of block, in file order, read straight into the record that the
// chunk holds; false when the file ends inside them.
bool readFields(TByteCursor &in, TBlockPara &p)
{
    return ReadFileString(in, p.Text) && readAlign(in, p.Align) && readFlag(in, p.NewLine);
}

bool readFields(TByteCursor &in, TBlockLink &l)
{
    return ReadFileString(in, l.PreText) && ReadFileString(in, l.URL) && ReadFileString(in, l.LinkText) &&
           ReadFileString(in, l.PostText) && readAlign(in, l.Align) && readFlag(in, l.NewLine);
}

bool readFields(TByteCursor &in, TBlockImage &i)
{
    return ReadFileString(in, i.FileName) && ReadFileString(in, i.Height) && ReadFileString(in, i.Width) &&
           ReadFileString(in, i.AltText) && ReadFileString(in, i.LinkURL) && readAlign(in, i.Align) &&
           readFlag(in, i.NewLine);
}

bool readFields(TByteCursor &in, TBlockHeading &h)
{
    return ReadFileString(in, h.Size) && ReadFileString(in, h.Text) && readAlign(in, h.Align);
}

bool readFields(TByteCursor &in, TBlockEmail &e)
{
    // The address comes first in the file although it is the record's second field.
    return ReadFileString(in, e.Address) && ReadFileString(in, e.PreText) && ReadFileString(in, e.LinkText) &&
           ReadFileString(in, e.PostText) && readAlign(in, e.Align) && readFlag(in, e.NewLine);
}

bool readFields(TByteCursor &in, TBlockLine &l)
{
    return ReadFileString(in, l.Width) && ReadFileString(in, l.Thickness);
}

// Gives chunk a record of Record's kind with that kind's defaults and reads its fields into it.
// The record is built once, in its place inside the chunk: a document of thousands of blocks
// would otherwise spend much of its reading time building and moving whole chunks.
template <typename Record> bool readRecord(TByteCursor &in, TWebChunk &chunk)
{
    return readFields(in, chunk.Record.emplace<Record>());
}

// Reads one block of kind (0 to 5) into the empty chunk.
bool readBlock(TByteCursor &in, TBlockKind kind, TWebChunk &chunk)
{
    switch (kind) {
    case bkPara:
        return readRecord<TBlockPara>(in, chunk);
    case bkLink:
        return readRecord<TBlockLink>(in, chunk);
    case bkImage:
        return readRecord<TBlockImage>(in, chunk);
    case bkHeading:
        return readRecord<TBlockHeading>(in, chunk);
    case bkEmail:
        return readRecord<TBlockEmail>(in, chunk);
    case bkLine:
        return readRecord<TBlockLine>(in, chunk);
    default:
        return false;
    }
}

TDocumentRead stop(TDocumentRead read, TDocumentStatus status, const QString &error)
{
    read.Status = status;
    read.Error = error;
    return read;
}

} // namespace

bool TDocumentRead::readable() const
{
    return Status == TDocumentStatus::Complete || Status == TDocumentStatus::Truncated ||
           Status == TDocumentStatus::BlockError;
}

bool TDocumentRead::damaged() const
{
    return Status == TDocumentStatus::Truncated || Status == TDocumentStatus::BlockError;
}

TDocumentRead ReadDocumentBytes(QByteArrayView bytes)
{
    TDocumentRead read;
    TByteCursor in(bytes);
    if (!in.skipExpected(kDocumentSignature))
        return stop(std::move(read), TDocumentStatus::NotADocument,
                    QStringLiteral("This is not a builder document."));

    QByteArray version;
    if (!in.readBytes(4, version))
        return stop(std::move(read), TDocumentStatus::Truncated,
                    QStringLiteral("The document ends in its version."));
    if (!isDigit(version[0]) || !isDigit(version[2]) || !isDigit(version[3])) {
        return stop(std::move(read), TDocumentStatus::BadVersion,
                    QStringLiteral("The document's version is not a number."));
    }
    read.FileVersionMajor = version[0] - '0';
    read.FileVersionMinor = (version[2] - '0') * 10 + (version[3] - '0');
    if (read.FileVersionMajor != 1) {
        return stop(std::move(read), TDocumentStatus::UnsupportedVersion,
                    QStringLiteral(
                        "The document was made by a version %1 of the program, which this one cannot read.")
                        .arg(read.FileVersionMajor));
    }

    const QString truncated = QStringLiteral("The document is damaged: it ends early.");
    QByteArray text;
    if (read.FileVersionMinor > 0) {
        if (!ReadFileString(in, text))
            return stop(std::move(read), TDocumentStatus::Truncated, truncated);
        read.StyleName = text;
    }
    if (read.FileVersionMinor > 2) {
        if (!ReadFileString(in, text))
            return stop(std::move(read), TDocumentStatus::Truncated, truncated);
        read.Title = text;
    }

    int32_t count = 0;
    if (!in.readInt32(count))
        return stop(std::move(read), TDocumentStatus::Truncated, truncated);
    read.BlockCount = count;
    // The count is not trusted: room is reserved only for as many blocks as the bytes left can
    // hold (a block takes at least 12 bytes), and never for more than a generous page, so a
    // hostile count cannot make the reader allocate much more than the file's own size.
    constexpr qsizetype kSmallestBlock = 12;
    constexpr qsizetype kReserveLimit = 65536;
    if (count > 0)
        read.Chunks.reserve(
            size_t(std::min({qsizetype(count), in.remaining() / kSmallestBlock, kReserveLimit})));
    for (int32_t i = 0; i < count; ++i) {
        int32_t kind = 0;
        if (!in.readInt32(kind))
            return stop(std::move(read), TDocumentStatus::Truncated, truncated);
        if (kind < 0 || kind >= kBlockKindCount) {
            read.ChunkReadError = kind == -1 ? TChunkReadError::EndMarker : TChunkReadError::UnknownKind;
            return stop(std::move(read), TDocumentStatus::BlockError,
                        QStringLiteral("The document is damaged after block %1 of %2.").arg(i).arg(count));
        }
        // The block is read in place; a block the file ends inside is taken off again.
        if (!readBlock(in, TBlockKind(kind), read.Chunks.emplace_back())) {
            read.Chunks.pop_back();
            return stop(std::move(read), TDocumentStatus::Truncated, truncated);
        }
    }
    // What follows the last block (the end marker and the trailer) is not needed, and files
    // with a longer trailer read the same.
    return read;
}

bool IsReadableDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The signature and the version decide; the header read alone ends early, which still
    // counts as readable.
    const QByteArray header = file.read(kDocumentSignature.size() + 4);
    return ReadDocumentBytes(header).readable();
}

TDocumentRead ReadDocument(const QString &path)
{
    const TFileBytes file(path);
    if (!file.isOpen()) {
        return stop(TDocumentRead(), TDocumentStatus::CannotOpen,
                    QStringLiteral("%1 cannot be opened: %2").arg(path, file.errorString()));
    }
    return ReadDocumentBytes(file.bytes());
}

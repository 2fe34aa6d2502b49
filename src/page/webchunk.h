#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

// The page model: an ordered list of web blocks, each of one kind with the record the user fills
// in the block's panel. All texts are Windows-1252 byte strings, stored exactly as typed.

enum TBlockKind : int32_t {
    bkNone = -1, // what a name that is no toolbox picture gives
    bkPara = 0,
    bkLink = 1,
    bkImage = 2,
    bkHeading = 3,
    bkEmail = 4,
    bkLine = 5,
};
constexpr int kBlockKindCount = 6;

enum TBlockAlign : uint8_t {
    baNone = 0,
    baLeft = 1,
    baCenter = 2,
    baRight = 3,
};

struct TBlockPara {
    QByteArray Text;
    TBlockAlign Align = baNone;
    uint8_t NewLine = 0;
    bool operator==(const TBlockPara &) const = default;
};

struct TBlockLink {
    QByteArray PreText;
    QByteArray URL = QByteArrayLiteral("http://");
    QByteArray LinkText;
    QByteArray PostText;
    TBlockAlign Align = baNone;
    uint8_t NewLine = 0;
    bool operator==(const TBlockLink &) const = default;
};

struct TBlockImage {
    QByteArray FileName;
    QByteArray Height;
    QByteArray Width;
    QByteArray AltText;
    QByteArray LinkURL = QByteArrayLiteral("http://");
    TBlockAlign Align = baNone;
    uint8_t NewLine = 0;
    bool operator==(const TBlockImage &) const = default;
};

struct TBlockHeading {
    QByteArray Size = QByteArrayLiteral("1 (Largest)");
    QByteArray Text;
    TBlockAlign Align = baNone;
    uint8_t NewLine = 0; // set by the panel's button; neither the HTML nor documents use it
    bool operator==(const TBlockHeading &) const = default;
};

struct TBlockEmail {
    QByteArray PreText;
    QByteArray Address;
    QByteArray LinkText;
    QByteArray PostText;
    TBlockAlign Align = baNone;
    uint8_t NewLine = 0;
    bool operator==(const TBlockEmail &) const = default;
};

struct TBlockLine {
    QByteArray Width;
    QByteArray Thickness = QByteArrayLiteral("6 (Thickest)");
    bool operator==(const TBlockLine &) const = default;
};

// One block of the page. Exactly the record of the chunk's kind is set. The brick picture that
// the page column shows is derived from Kind by the widgets, so the model holds no picture.
struct TWebChunk {
    TBlockKind Kind = bkNone;
    QByteArray HTML; // rewritten by the kind's emitter every time the page is generated
    std::optional<TBlockPara> Para;
    std::optional<TBlockLink> Link;
    std::optional<TBlockImage> Image;
    std::optional<TBlockHeading> Heading;
    std::optional<TBlockEmail> Email;
    std::optional<TBlockLine> Line;
    bool operator==(const TWebChunk &) const = default;
};

// The blocks of the page in page order.
using TWebChunkList = std::vector<TWebChunk>;

// The per-kind records in the order of their kind values (and of their fields in TWebChunk), so
// that code can be written once for every kind of record.
using TBlockRecords = std::tuple<TBlockPara, TBlockLink, TBlockImage, TBlockHeading, TBlockEmail, TBlockLine>;

// The kind whose record is Record.
template <typename Record, size_t Index = 0> constexpr TBlockKind BlockKindOf()
{
    static_assert(Index < std::tuple_size_v<TBlockRecords>, "not a block record");
    if constexpr (std::is_same_v<std::tuple_element_t<Index, TBlockRecords>, Record>)
        return TBlockKind(Index);
    else
        return BlockKindOf<Record, Index + 1>();
}

// The field of a chunk that holds a record of type Record.
template <typename Record> std::optional<Record> &RecordField(TWebChunk &chunk)
{
    return std::get<std::optional<Record> &>(
        std::tie(chunk.Para, chunk.Link, chunk.Image, chunk.Heading, chunk.Email, chunk.Line));
}
template <typename Record> const std::optional<Record> &RecordField(const TWebChunk &chunk)
{
    return std::get<const std::optional<Record> &>(
        std::tie(chunk.Para, chunk.Link, chunk.Image, chunk.Heading, chunk.Email, chunk.Line));
}

// A chunk of the record's kind holding record, with no HTML yet.
template <typename Record> TWebChunk MakeWebChunk(Record record)
{
    TWebChunk chunk;
    chunk.Kind = BlockKindOf<Record>();
    RecordField<Record>(chunk) = std::move(record);
    return chunk;
}

// The kind of block a toolbox picture stands for, by the picture's object name ("imgBrPara" ...
// "imgBrLine", compared exactly); bkNone for any other name.
TBlockKind GetBlockKind(const QString &componentName);

// A new block of kind with the defaults of its kind and no HTML yet. bkNone (or any value that
// is no kind) gives a chunk without a record.
TWebChunk NewWebChunk(TBlockKind kind);
// A new block for a block dropped from the toolbox picture named componentName.
TWebChunk NewWebChunk(const QString &componentName);

// The word an alignment writes into HTML: "Left", "Center" or "Right"; empty for baNone and
// for every value that is no alignment (a damaged document may hold one).
QByteArray AlignWord(TBlockAlign align);

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <type_traits>
#include <utility>
#include <variant>
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

// The record of one block: one of the six per-kind records, or none (std::monostate) for a
// chunk of no known kind. The records stand in the order of their kind values, one place behind
// the empty alternative, so the kind is the alternative's index minus one and code can be
// written once for every kind of record.
using TBlockRecord =
    std::variant<std::monostate, TBlockPara, TBlockLink, TBlockImage, TBlockHeading, TBlockEmail, TBlockLine>;

// The kind whose record is Record.
template <typename Record, size_t Index = 1> constexpr TBlockKind BlockKindOf()
{
    static_assert(Index < std::variant_size_v<TBlockRecord>, "not a block record");
    if constexpr (std::is_same_v<std::variant_alternative_t<Index, TBlockRecord>, Record>)
        return TBlockKind(Index - 1);
    else
        return BlockKindOf<Record, Index + 1>();
}

// One block of the page. It holds exactly one record, and its kind is the kind of that record,
// so the two can never disagree. The brick picture that the page column shows is derived from
// the kind by the widgets, so the model holds no picture.
struct TWebChunk {
    TBlockRecord Record;
    QByteArray HTML; // rewritten by the kind's emitter every time the page is generated

    TBlockKind Kind() const { return TBlockKind(int(Record.index()) - 1); }

    // The record of type R, or nullptr when the chunk is of another kind.
    template <typename R> R *As() { return std::get_if<R>(&Record); }
    template <typename R> const R *As() const { return std::get_if<R>(&Record); }

    TBlockPara *Para() { return As<TBlockPara>(); }
    const TBlockPara *Para() const { return As<TBlockPara>(); }
    TBlockLink *Link() { return As<TBlockLink>(); }
    const TBlockLink *Link() const { return As<TBlockLink>(); }
    TBlockImage *Image() { return As<TBlockImage>(); }
    const TBlockImage *Image() const { return As<TBlockImage>(); }
    TBlockHeading *Heading() { return As<TBlockHeading>(); }
    const TBlockHeading *Heading() const { return As<TBlockHeading>(); }
    TBlockEmail *Email() { return As<TBlockEmail>(); }
    const TBlockEmail *Email() const { return As<TBlockEmail>(); }
    TBlockLine *Line() { return As<TBlockLine>(); }
    const TBlockLine *Line() const { return As<TBlockLine>(); }

    bool operator==(const TWebChunk &) const = default;
};

// The blocks of the page in page order.
using TWebChunkList = std::vector<TWebChunk>;

// A chunk of the record's kind holding record, with no HTML yet.
template <typename Record> TWebChunk MakeWebChunk(Record record)
{
    static_assert(BlockKindOf<Record>() >= 0);
    return TWebChunk{TBlockRecord(std::in_place_type<Record>, std::move(record)), QByteArray()};
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

#include "builderdocument.h"
#include "documentformat.h"
#include "savebytes.h"

#include <cstring>
#include <variant>

namespace {

bool writable(const TWebChunk &chunk)
{
    return chunk.Kind() != bkNone;
}

// The fields of each kind of block in file order: out.text(bytes) for a file string,
// out.align(value) for a four-byte alignment and out.flag(value) for a one-byte flag. Sizing and
// writing share this one description of the block layout.
template <typename Out> void writeFields(const TBlockPara &p, Out &out)
{
    out.text(p.Text);
    out.align(p.Align);
    out.flag(p.NewLine);
}

template <typename Out> void writeFields(const TBlockLink &l, Out &out)
{
    out.text(l.PreText);
    out.text(l.URL);
    out.text(l.LinkText);
    out.text(l.PostText);
    out.align(l.Align);
    out.flag(l.NewLine);
}

template <typename Out> void writeFields(const TBlockImage &i, Out &out)
{
    out.text(i.FileName);
    out.text(i.Height);
    out.text(i.Width);
    out.text(i.AltText);
    out.text(i.LinkURL);
    out.align(i.Align);
    out.flag(i.NewLine);
}

template <typename Out> void writeFields(const TBlockHeading &h, Out &out)
{
    // The heading's new-line flag has no effect on the page and is not stored.
    out.text(h.Size);
    out.text(h.Text);
    out.align(h.Align);
}

template <typename Out> void writeFields(const TBlockEmail &e, Out &out)
{
    // The address comes first in the file although it is the record's second field.
    out.text(e.Address);
    out.text(e.PreText);
    out.text(e.LinkText);
    out.text(e.PostText);
    out.align(e.Align);
    out.flag(e.NewLine);
}

template <typename Out> void writeFields(const TBlockLine &l, Out &out)
{
    out.text(l.Width);
    out.text(l.Thickness);
}

// A chunk of no known kind has no fields; it is left out of the document.
template <typename Out> void writeFields(std::monostate, Out &) {}

template <typename Out> void forEachField(const TWebChunk &chunk, Out &out)
{
    std::visit([&out](const auto &record) { writeFields(record, out); }, chunk.Record);
}

// Counts the bytes of the fields.
struct Sizer {
    qsizetype size = 0;
    void text(const QByteArray &t) { size += 4 + t.size(); }
    void align(TBlockAlign) { size += 4; }
    void flag(uint8_t) { size += 1; }
};

// Writes into a buffer sized by Sizer: a document of many blocks is serialised without a
// single reallocation or per-field bookkeeping.
struct Writer {
    char *at;
    void int32(int32_t value)
    {
        const auto v = uint32_t(value);
        at[0] = char(v & 0xFF);
        at[1] = char(v >> 8 & 0xFF);
        at[2] = char(v >> 16 & 0xFF);
        at[3] = char(v >> 24 & 0xFF);
        at += 4;
    }
    void bytes(QByteArrayView b)
    {
        if (!b.isEmpty())
            std::memcpy(at, b.data(), size_t(b.size()));
        at += b.size();
    }
    void text(const QByteArray &t)
    {
        int32(int32_t(t.size() - 1)); // length minus one, -1 for the empty text
        bytes(t);
    }
    void align(TBlockAlign a) { int32(int32_t(uint8_t(a))); }
    void flag(uint8_t f) { *at++ = char(f); }
};

} // namespace

QByteArray DocumentBytes(const QByteArray &styleName, const QByteArray &title, const TWebChunkList &chunks)
{
    Sizer sizer;
    sizer.size = kDocumentSignature.size() + kDocumentVersion.size() + 4 + 8 + kDocumentTrailer.size();
    sizer.text(styleName);
    sizer.text(title);
    int32_t count = 0;
    for (const TWebChunk &chunk : chunks) {
        if (writable(chunk)) {
            ++count;
            sizer.size += 4;
            forEachField(chunk, sizer);
        }
    }

    QByteArray out(sizer.size, Qt::Uninitialized);
    Writer writer{out.data()};
    writer.bytes(kDocumentSignature);
    writer.bytes(kDocumentVersion);
    writer.text(styleName);
    writer.text(title);
    writer.int32(count);
    for (const TWebChunk &chunk : chunks) {
        if (writable(chunk)) {
            writer.int32(chunk.Kind());
            forEachField(chunk, writer);
        }
    }
    writer.int32(4);
    writer.int32(-1); // the kind value that stands for the end of the blocks
    writer.bytes(kDocumentTrailer);
    Q_ASSERT(writer.at == out.constData() + out.size());
    return out;
}

bool WriteDocument(const QString &path, const QByteArray &styleName, const QByteArray &title,
                   const TWebChunkList &chunks, QString *error)
{
    return SaveBytes(path, DocumentBytes(styleName, title, chunks), error);
}

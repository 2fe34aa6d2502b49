#include "builderdocument.h"

#include "bytecursor.h"
#include "documentformat.h"
#include "filestring.h"
#include "savebytes.h"

namespace {

void writeAlign(QByteArray &out, TBlockAlign align)
{
    WriteInt32(out, int32_t(uint8_t(align)));
}

void writeFlag(QByteArray &out, uint8_t flag)
{
    out.append(char(flag));
}

bool writable(const TWebChunk &chunk)
{
    return chunk.Kind >= 0 && chunk.Kind < kBlockKindCount;
}

// A chunk whose record is missing is written with the defaults of its kind.
void writeChunk(QByteArray &out, const TWebChunk &chunk)
{
    WriteInt32(out, chunk.Kind);
    switch (chunk.Kind) {
    case bkPara: {
        const TBlockPara p = chunk.Para.value_or(TBlockPara());
        WriteFileString(out, p.Text);
        writeAlign(out, p.Align);
        writeFlag(out, p.NewLine);
        break;
    }
    case bkLink: {
        const TBlockLink l = chunk.Link.value_or(TBlockLink());
        for (const QByteArray *text : {&l.PreText, &l.URL, &l.LinkText, &l.PostText})
            WriteFileString(out, *text);
        writeAlign(out, l.Align);
        writeFlag(out, l.NewLine);
        break;
    }
    case bkImage: {
        const TBlockImage i = chunk.Image.value_or(TBlockImage());
        for (const QByteArray *text : {&i.FileName, &i.Height, &i.Width, &i.AltText, &i.LinkURL})
            WriteFileString(out, *text);
        writeAlign(out, i.Align);
        writeFlag(out, i.NewLine);
        break;
    }
    case bkHeading: {
        // The heading's new-line flag has no effect on the page and is not stored.
        const TBlockHeading h = chunk.Heading.value_or(TBlockHeading());
        WriteFileString(out, h.Size);
        WriteFileString(out, h.Text);
        writeAlign(out, h.Align);
        break;
    }
    case bkEmail: {
        const TBlockEmail e = chunk.Email.value_or(TBlockEmail());
        for (const QByteArray *text : {&e.Address, &e.PreText, &e.LinkText, &e.PostText})
            WriteFileString(out, *text);
        writeAlign(out, e.Align);
        writeFlag(out, e.NewLine);
        break;
    }
    case bkLine: {
        const TBlockLine l = chunk.Line.value_or(TBlockLine());
        WriteFileString(out, l.Width);
        WriteFileString(out, l.Thickness);
        break;
    }
    default:
        break;
    }
}

} // namespace

QByteArray DocumentBytes(const QByteArray &styleName, const QByteArray &title, const TWebChunkList &chunks)
{
    qsizetype size = 128 + styleName.size() + title.size();
    int32_t count = 0;
    for (const TWebChunk &chunk : chunks) {
        if (writable(chunk)) {
            ++count;
            size += 64;
        }
    }
    QByteArray out;
    out.reserve(size);
    out.append(kDocumentSignature);
    out.append(kDocumentVersion);
    WriteFileString(out, styleName);
    WriteFileString(out, title);
    WriteInt32(out, count);
    for (const TWebChunk &chunk : chunks) {
        if (writable(chunk))
            writeChunk(out, chunk);
    }
    WriteInt32(out, 4);
    WriteInt32(out, -1);
    out.append(kDocumentTrailer);
    return out;
}

bool WriteDocument(const QString &path, const QByteArray &styleName, const QByteArray &title,
                   const TWebChunkList &chunks, QString *error)
{
    return SaveBytes(path, DocumentBytes(styleName, title, chunks), error);
}

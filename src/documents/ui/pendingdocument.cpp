#include "pendingdocument.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {

const QByteArray kSignature = "Zorvin Express File";
const QByteArray kVersion = "1.11";
const QByteArray kTrailer = "End of Zorvin Express File >=)";

struct Reader {
    QFile &file;
    bool ok = true;
    QByteArray bytes(qint64 n)
    {
        QByteArray b = file.read(n);
        if (b.size() != n)
            ok = false;
        return b;
    }
    int32_t int32()
    {
        const QByteArray b = bytes(4);
        return ok ? qFromLittleEndian<int32_t>(b.constData()) : -1;
    }
    QByteArray string()
    {
        const int32_t n = int32();
        return ok && n >= 0 ? bytes(qint64(n) + 1) : QByteArray();
    }
    TBlockAlign align() { return TBlockAlign(uint8_t(int32() & 0xff)); }
    uint8_t byte()
    {
        const QByteArray b = bytes(1);
        return ok ? uint8_t(b[0]) : 0;
    }
};

struct Writer {
    QByteArray out;
    void int32(int32_t v)
    {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
    void string(const QByteArray &s)
    {
        int32(int32_t(s.size()) - 1);
        out.append(s);
    }
};

} // namespace

TDocumentRead ReadDocument(const QString &path)
{
    TDocumentRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    Reader r{file};
    if (r.bytes(19) != kSignature)
        return result;
    const QByteArray version = r.bytes(4);
    if (!r.ok || version[0] != '1')
        return result;
    const int minor = version.right(2).toInt();
    if (minor > 0) {
        const QByteArray style = r.string();
        if (r.ok)
            result.StyleName = style;
    }
    if (minor > 2) {
        const QByteArray title = r.string();
        if (r.ok)
            result.Title = title;
    }
    const int32_t count = r.int32();
    for (int32_t i = 0; r.ok && i < count; ++i) {
        TWebChunk chunk;
        chunk.Kind = TBlockKind(r.int32());
        switch (chunk.Kind) {
        case bkPara: {
            TBlockPara p;
            p.Text = r.string();
            p.Align = r.align();
            p.NewLine = r.byte();
            chunk.Para = p;
            break;
        }
        case bkLink: {
            TBlockLink l;
            l.PreText = r.string();
            l.URL = r.string();
            l.LinkText = r.string();
            l.PostText = r.string();
            l.Align = r.align();
            l.NewLine = r.byte();
            chunk.Link = l;
            break;
        }
        case bkImage: {
            TBlockImage m;
            m.FileName = r.string();
            m.Height = r.string();
            m.Width = r.string();
            m.AltText = r.string();
            m.LinkURL = r.string();
            m.Align = r.align();
            m.NewLine = r.byte();
            chunk.Image = m;
            break;
        }
        case bkHeading: {
            TBlockHeading h;
            h.Size = r.string();
            h.Text = r.string();
            h.Align = r.align();
            chunk.Heading = h;
            break;
        }
        case bkEmail: {
            TBlockEmail e;
            e.Address = r.string();
            e.PreText = r.string();
            e.LinkText = r.string();
            e.PostText = r.string();
            e.Align = r.align();
            e.NewLine = r.byte();
            chunk.Email = e;
            break;
        }
        case bkLine: {
            TBlockLine l;
            l.Width = r.string();
            l.Thickness = r.string();
            chunk.Line = l;
            break;
        }
        default:
            r.ok = false;
        }
        if (r.ok)
            result.Chunks.push_back(chunk);
    }
    return result;
}

bool WriteDocument(const QString &path, const QByteArray &styleName, const QByteArray &title,
                   const TWebChunkList &chunks, QString *)
{
    Writer w;
    w.out = kSignature + kVersion;
    w.string(styleName);
    w.string(title);
    w.int32(int32_t(chunks.size()));
    for (const TWebChunk &c : chunks) {
        w.int32(c.Kind);
        if (c.Para) {
            w.string(c.Para->Text);
            w.int32(c.Para->Align);
            w.out.append(char(c.Para->NewLine));
        } else if (c.Link) {
            w.string(c.Link->PreText);
            w.string(c.Link->URL);
            w.string(c.Link->LinkText);
            w.string(c.Link->PostText);
            w.int32(c.Link->Align);
            w.out.append(char(c.Link->NewLine));
        } else if (c.Image) {
            w.string(c.Image->FileName);
            w.string(c.Image->Height);
            w.string(c.Image->Width);
            w.string(c.Image->AltText);
            w.string(c.Image->LinkURL);
            w.int32(c.Image->Align);
            w.out.append(char(c.Image->NewLine));
        } else if (c.Heading) {
            w.string(c.Heading->Size);
            w.string(c.Heading->Text);
            w.int32(c.Heading->Align);
        } else if (c.Email) {
            w.string(c.Email->Address);
            w.string(c.Email->PreText);
            w.string(c.Email->LinkText);
            w.string(c.Email->PostText);
            w.int32(c.Email->Align);
            w.out.append(char(c.Email->NewLine));
        } else if (c.Line) {
            w.string(c.Line->Width);
            w.string(c.Line->Thickness);
        }
    }
    w.int32(4);
    w.int32(-1);
    w.out.append(kTrailer);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(w.out);
    return file.commit();
}

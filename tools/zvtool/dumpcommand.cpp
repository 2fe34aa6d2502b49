#include "builderdocument.h"
#include "command.h"
#include "textcodec.h"

#include <cstdio>

// zvtool dump DOCUMENT
//
// Prints a builder document's style name, title and blocks, one field per line, so that
// documents can be compared and checked with ordinary text tools. Line breaks inside fields are
// shown as \r and \n, other control characters as \xNN; the text is printed as UTF-8.

namespace {

QByteArray escaped(const QByteArray &bytes)
{
    QString text = DecodePageText(bytes);
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out.toUtf8();
}

class Printer {
public:
    void line(const char *label, const QByteArray &value)
    {
        m_out += QByteArray(label) + ": " + escaped(value) + "\n";
    }
    void number(const char *label, int value)
    {
        m_out += QByteArray(label) + ": " + QByteArray::number(value) + "\n";
    }
    void field(const char *label, const QByteArray &value)
    {
        m_out += "  " + QByteArray(label) + ": " + escaped(value) + "\n";
    }
    void field(const char *label, int value)
    {
        m_out += "  " + QByteArray(label) + ": " + QByteArray::number(value) + "\n";
    }
    void raw(const QByteArray &text) { m_out += text; }
    const QByteArray &text() const { return m_out; }

private:
    QByteArray m_out;
};

void printChunk(Printer &p, int number, const TWebChunk &chunk)
{
    static const char *const names[kBlockKindCount] = {"Para", "Link", "Image", "Heading", "Email", "Line"};
    p.raw("Block " + QByteArray::number(number) + ": " + names[chunk.Kind()] + "\n");
    if (const auto *r = chunk.Para()) {
        p.field("Text", r->Text);
        p.field("Align", r->Align);
        p.field("NewLine", r->NewLine);
    } else if (const auto *r = chunk.Link()) {
        p.field("PreText", r->PreText);
        p.field("URL", r->URL);
        p.field("LinkText", r->LinkText);
        p.field("PostText", r->PostText);
        p.field("Align", r->Align);
        p.field("NewLine", r->NewLine);
    } else if (const auto *r = chunk.Image()) {
        p.field("FileName", r->FileName);
        p.field("Height", r->Height);
        p.field("Width", r->Width);
        p.field("AltText", r->AltText);
        p.field("LinkURL", r->LinkURL);
        p.field("Align", r->Align);
        p.field("NewLine", r->NewLine);
    } else if (const auto *r = chunk.Heading()) {
        p.field("Size", r->Size);
        p.field("Text", r->Text);
        p.field("Align", r->Align);
    } else if (const auto *r = chunk.Email()) {
        p.field("PreText", r->PreText);
        p.field("Address", r->Address);
        p.field("LinkText", r->LinkText);
        p.field("PostText", r->PostText);
        p.field("Align", r->Align);
        p.field("NewLine", r->NewLine);
    } else if (const auto *r = chunk.Line()) {
        p.field("Width", r->Width);
        p.field("Thickness", r->Thickness);
    }
}

int runDump(const QStringList &args)
{
    if (args.size() != 1)
        return zvFail(QStringLiteral("usage: zvtool dump DOCUMENT"));
    const TDocumentRead read = ReadDocument(args[0]);
    if (!read.readable())
        return zvFail(QStringLiteral("%1: %2").arg(args[0], read.Error));

    Printer p;
    p.raw("Version: " + QByteArray::number(read.FileVersionMajor) + "." +
          QByteArray::number(read.FileVersionMinor).rightJustified(2, '0') + "\n");
    if (read.StyleName)
        p.line("Style", *read.StyleName);
    if (read.Title)
        p.line("Title", *read.Title);
    p.number("Blocks", int(read.Chunks.size()));
    int number = 0;
    for (const TWebChunk &chunk : read.Chunks)
        printChunk(p, ++number, chunk);
    zvWrite(p.text());
    if (read.Status != TDocumentStatus::Complete)
        zvWarn(args[0] + QStringLiteral(": ") + read.Error);
    return 0;
}

const ZvCommand command{"dump", "print a builder document's style, title and blocks", false, runDump};

} // namespace

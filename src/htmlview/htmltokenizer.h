#pragma once

#include "htmlsymbols.h"
#include "pageencoding.h"
#include "viewtypes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// One attribute of a tag.
struct TAttribute {
    uint8_t Sym = HtmlAttr::Unknown;
    bool Quoted = false;
    int Value = 0;    // the numeric value
    QStringView Text; // the text value, valid until the tokenizer reads the next tag
};

// The attributes of the current tag; Find returns the first with a symbol. The texts of all of
// them share one buffer that is kept from tag to tag, so reading a tag allocates nothing.
class TAttributeList {
public:
    TAttributeList() = default;
    // A copy points its texts into its own buffer.
    TAttributeList(const TAttributeList &other);
    TAttributeList &operator=(const TAttributeList &other);

    const TAttribute *Find(uint8_t sym) const;
    int Count() const { return int(m_items.size()); }

private:
    friend class THtmlTokenizer;
    void Clear();
    // The buffer the tokenizer appends the texts to.
    std::u16string &Values() { return m_values; }
    // An attribute whose text is the stretch of the buffer from start on, length long.
    void Add(const TAttribute &a, qsizetype start, qsizetype length);
    // Points the texts into the buffer once the whole tag is read: the buffer may move while
    // it grows.
    void Seal();

    struct Range {
        qsizetype Start = 0;
        qsizetype Length = 0;
    };
    std::vector<TAttribute> m_items;
    std::vector<Range> m_ranges;
    std::u16string m_values;
};

// Reads a page's bytes (Windows-1252 or UTF-8) as tokens: tags with their attributes, text runs,
// entities, single characters and the end. Characters are folded on the way in: every line end
// becomes one carriage return; comments and declarations are skipped.
class THtmlTokenizer {
public:
    // AsDeclared looks at the page for a byte-order mark or a META declaration of UTF-8.
    THtmlTokenizer(const char *data, qsizetype length, TPageEncoding encoding = TPageEncoding::Windows1252);

    // Reads the next token: Sym(), TokenText(), HeadingLevel(), Attributes().
    void Next();
    // Reads the next token of preformatted text: white space is kept, every line end is an Eol
    // token, and text tokens hold up to 200 characters.
    void NextPreformatted();
    // Reads TEXTAREA content up to its end tag (consumed); one entry per line.
    QStringList ReadTextAreaContent();
    // Stops reading: from now on every token is the end.
    void Stop();

    int Sym() const { return m_sym; }
    QStringView TokenText() const { return m_text; }
    int HeadingLevel() const { return m_level; }
    const TAttributeList &Attributes() const { return m_attributes; }
    // A text token that holds only white space.
    bool IsBlankText() const;
    // Set when a comment or declaration was still open at the end of the input.
    const TViewError &Error() const { return m_error; }

private:
    static constexpr int kNoLook = -2;

    int ReadRaw();
    // Reads the next character into m_ch and m_up. Plain printable ASCII (most of every page)
    // and the start of a tag are taken straight from the input; everything else (line ends,
    // comments, other encodings, the end) goes through GetChSlow.
    void GetCh()
    {
        if (!m_stopped) {
            if (m_look == kNoLook) {
                if (m_pos < m_length) {
                    const int b = static_cast<unsigned char>(m_data[m_pos]);
                    if (IsPlainAscii(b)) {
                        ++m_pos;
                        SetCh(b);
                        return;
                    }
                    if (b == '<' && m_pos + 1 < m_length && m_data[m_pos + 1] != '!') {
                        // The start of a tag: the character after it is kept back, as in
                        // GetChSlow.
                        m_look = static_cast<unsigned char>(m_data[m_pos + 1]);
                        m_pos += 2;
                        m_ch = m_up = '<';
                        return;
                    }
                }
            } else if (IsPlainAscii(m_look)) {
                const int b = m_look;
                m_look = kNoLook;
                SetCh(b);
                return;
            }
        }
        GetChSlow();
    }
    static bool IsPlainAscii(int b) { return b >= 0x20 && b < 0x7F && b != '<'; }
    void SetCh(int b)
    {
        m_ch = b;
        m_up = b >= 'a' && b <= 'z' ? b - 32 : b;
    }
    void GetChSlow();
    void SkipComment();
    void SkipWhite()
    {
        while (m_ch == ' ' || m_ch == '\r' || m_ch == '\t')
            GetCh();
    }
    void ReadTag();
    void SkipRawContent(QByteArrayView name);
    // Appends the value to out and sets the attribute's number and quoting from it.
    void ReadValue(TAttribute &a, std::u16string &out);
    void ReadEntity(std::u16string &out);
    int DecodeUtf8(int lead);
    static bool KeepsAttributes(int sym);

    const char *m_data = nullptr;
    qsizetype m_length = 0;
    qsizetype m_pos = 0;
    int m_ch = 0;         // the current character (a Unicode code point) after folding; -1 at the end
    int m_up = 0;         // the same in upper case
    int m_look = kNoLook; // the character pushed back after "<"
    bool m_stopped = false;
    bool m_utf8 = false;
    int m_sym = HtmlSym::Eof;
    // Plain UTF-16 buffers: appending to them costs a fraction of appending to a QString.
    std::u16string m_text;
    int m_level = 0;
    TAttributeList m_attributes;
    std::u16string m_skippedValues; // the values of tags whose attributes are not kept
    TViewError m_error;
};

#include "htmltokenizer.h"

#include "textcodec.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kEnd = -1;
constexpr int kMaxName = 150;
constexpr int kMaxRun = 100;
constexpr int kMaxPreRun = 200;
// Numbers in attributes are held within a million either way: no page means more, and layout
// adds them up (widths of columns and pictures, list numbers), which must never overflow.
constexpr int kMaxAttributeNumber = 1000000;

bool IsAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The text as a number; 0 when it is no number of 32 bits.
int AttributeNumber(QStringView text)
{
    // Most quoted values (addresses, names, colours) are no number; they are told apart at once.
    if (text.isEmpty() || !(IsAsciiDigit(text.front().unicode()) || text.front() == QLatin1Char('+') ||
                            text.front() == QLatin1Char('-')))
        return 0;
    // A plain decimal number of up to nine digits, the usual case, is read here.
    const qsizetype digitsFrom = IsAsciiDigit(text.front().unicode()) ? 0 : 1;
    if (text.size() > digitsFrom && text.size() - digitsFrom <= 9) {
        int value = 0;
        qsizetype i = digitsFrom;
        for (; i < text.size() && IsAsciiDigit(text[i].unicode()); ++i)
            value = value * 10 + (text[i].unicode() - u'0');
        if (i == text.size())
            return std::clamp(text.front() == QLatin1Char('-') ? -value : value, -kMaxAttributeNumber,
                              kMaxAttributeNumber);
    }
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? std::clamp(v, -kMaxAttributeNumber, kMaxAttributeNumber) : 0;
}

const char *const kTags[HtmlSym::kTagCount] = {
    "HTML", "TITLE",    "BODY",     "HEAD",       "B",        "I",      "H",     "EM",   "STRONG", "U",
    "CITE", "VAR",      "TT",       "CODE",       "KBD",      "SAMP",   "OL",    "UL",   "DIR",    "MENU",
    "DL",   "A",        "ADDRESS",  "BLOCKQUOTE", "PRE",      "CENTER", "TABLE", "TD",   "TH",     "CAPTION",
    "FORM", "TEXTAREA", "SELECT",   "OPTION",     "FONT",     "SUB",    "SUP",   "BIG",  "SMALL",  "P",
    "MAP",  "FRAMESET", "NOFRAMES", "LI",         "BR",       "HR",     "DD",    "DT",   "IMG",    "BASE",
    "TR",   "BUTTON",   "INPUT",    "SELECTED",   "BASEFONT", "AREA",   "FRAME", "PAGE",
};

struct AttrName {
    const char *name;
    uint8_t sym;
};
const AttrName kAttributes[] = {
    {"HREF", HtmlAttr::Href},
    {"NAME", HtmlAttr::Name},
    {"SRC", HtmlAttr::Src},
    {"ALT", HtmlAttr::Alt},
    {"ALIGN", HtmlAttr::Align},
    {"TEXT", HtmlAttr::Text},
    {"BGCOLOR", HtmlAttr::BgColor},
    {"LINK", HtmlAttr::Link},
    {"BACKGROUND", HtmlAttr::Background},
    {"COLSPAN", HtmlAttr::ColSpan},
    {"ROWSPAN", HtmlAttr::RowSpan},
    {"BORDER", HtmlAttr::Border},
    {"CELLPADDING", HtmlAttr::CellPadding},
    {"CELLSPACING", HtmlAttr::CellSpacing},
    {"VALIGN", HtmlAttr::VAlign},
    {"WIDTH", HtmlAttr::Width},
    {"START", HtmlAttr::Start},
    {"VALUE", HtmlAttr::Value},
    {"TYPE", HtmlAttr::Type},
    {"CHECKBOX", HtmlAttr::CheckBox},
    {"RADIO", HtmlAttr::Radio},
    {"METHOD", HtmlAttr::Method},
    {"ACTION", HtmlAttr::Action},
    {"CHECKED", HtmlAttr::Checked},
    {"SIZE", HtmlAttr::Size},
    {"MAXLENGTH", HtmlAttr::MaxLength},
    {"COLS", HtmlAttr::Cols},
    {"ROWS", HtmlAttr::Rows},
    {"MULTIPLE", HtmlAttr::Multiple},
    {"VALUE", HtmlAttr::Value},
    {"SELECTED", HtmlAttr::Selected},
    {"FACE", HtmlAttr::Face},
    {"COLOR", HtmlAttr::Color},
    {"TRANSP", HtmlAttr::Transp},
    {"CLEAR", HtmlAttr::Clear},
    {"ISMAP", HtmlAttr::IsMap},
    {"BORDERCOLOR", HtmlAttr::BorderColor},
    {"USEMAP", HtmlAttr::UseMap},
    {"SHAPE", HtmlAttr::Shape},
    {"COORDS", HtmlAttr::Coords},
    {"NOHREF", HtmlAttr::NoHref},
    {"HEIGHT", HtmlAttr::Height},
    {"PLAIN", HtmlAttr::Plain},
    {"TARGET", HtmlAttr::Target},
    {"NORESIZE", HtmlAttr::NoResize},
    {"SCROLLING", HtmlAttr::Scrolling},
    {"HSPACE", HtmlAttr::HSpace},
};

// The named character references of HTML 4 (the markup characters, Latin-1, symbols and Greek,
// and the special characters such as the dashes and the euro sign), and the XML "apos".
struct NamedEntity {
    const char *name;
    char16_t code;
};
const NamedEntity kEntities[] = {
    {"quot", 34},     {"amp", 38},       {"lt", 60},       {"gt", 62},       {"apos", 39},
    {"nbsp", 160},    {"iexcl", 161},    {"cent", 162},    {"pound", 163},   {"curren", 164},
    {"yen", 165},     {"brvbar", 166},   {"sect", 167},    {"uml", 168},     {"copy", 169},
    {"ordf", 170},    {"laquo", 171},    {"not", 172},     {"shy", 173},     {"reg", 174},
    {"macr", 175},    {"deg", 176},      {"plusmn", 177},  {"sup2", 178},    {"sup3", 179},
    {"acute", 180},   {"micro", 181},    {"para", 182},    {"middot", 183},  {"cedil", 184},
    {"sup1", 185},    {"ordm", 186},     {"raquo", 187},   {"frac14", 188},  {"frac12", 189},
    {"frac34", 190},  {"iquest", 191},   {"Agrave", 192},  {"Aacute", 193},  {"Acirc", 194},
    {"Atilde", 195},  {"Auml", 196},     {"Aring", 197},   {"AElig", 198},   {"Ccedil", 199},
    {"Egrave", 200},  {"Eacute", 201},   {"Ecirc", 202},   {"Euml", 203},    {"Igrave", 204},
    {"Iacute", 205},  {"Icirc", 206},    {"Iuml", 207},    {"ETH", 208},     {"Ntilde", 209},
    {"Ograve", 210},  {"Oacute", 211},   {"Ocirc", 212},   {"Otilde", 213},  {"Ouml", 214},
    {"times", 215},   {"Oslash", 216},   {"Ugrave", 217},  {"Uacute", 218},  {"Ucirc", 219},
    {"Uuml", 220},    {"Yacute", 221},   {"THORN", 222},   {"szlig", 223},   {"agrave", 224},
    {"aacute", 225},  {"acirc", 226},    {"atilde", 227},  {"auml", 228},    {"aring", 229},
    {"aelig", 230},   {"ccedil", 231},   {"egrave", 232},  {"eacute", 233},  {"ecirc", 234},
    {"euml", 235},    {"igrave", 236},   {"iacute", 237},  {"icirc", 238},   {"iuml", 239},
    {"eth", 240},     {"ntilde", 241},   {"ograve", 242},  {"oacute", 243},  {"ocirc", 244},
    {"otilde", 245},  {"ouml", 246},     {"divide", 247},  {"oslash", 248},  {"ugrave", 249},
    {"uacute", 250},  {"ucirc", 251},    {"uuml", 252},    {"yacute", 253},  {"thorn", 254},
    {"yuml", 255},    {"fnof", 402},     {"Alpha", 913},   {"Beta", 914},    {"Gamma", 915},
    {"Delta", 916},   {"Epsilon", 917},  {"Zeta", 918},    {"Eta", 919},     {"Theta", 920},
    {"Iota", 921},    {"Kappa", 922},    {"Lambda", 923},  {"Mu", 924},      {"Nu", 925},
    {"Xi", 926},      {"Omicron", 927},  {"Pi", 928},      {"Rho", 929},     {"Sigma", 931},
    {"Tau", 932},     {"Upsilon", 933},  {"Phi", 934},     {"Chi", 935},     {"Psi", 936},
    {"Omega", 937},   {"alpha", 945},    {"beta", 946},    {"gamma", 947},   {"delta", 948},
    {"epsilon", 949}, {"zeta", 950},     {"eta", 951},     {"theta", 952},   {"iota", 953},
    {"kappa", 954},   {"lambda", 955},   {"mu", 956},      {"nu", 957},      {"xi", 958},
    {"omicron", 959}, {"pi", 960},       {"rho", 961},     {"sigmaf", 962},  {"sigma", 963},
    {"tau", 964},     {"upsilon", 965},  {"phi", 966},     {"chi", 967},     {"psi", 968},
    {"omega", 969},   {"thetasym", 977}, {"upsih", 978},   {"piv", 982},     {"bull", 8226},
    {"hellip", 8230}, {"prime", 8242},   {"Prime", 8243},  {"oline", 8254},  {"frasl", 8260},
    {"weierp", 8472}, {"image", 8465},   {"real", 8476},   {"trade", 8482},  {"alefsym", 8501},
    {"larr", 8592},   {"uarr", 8593},    {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},
    {"crarr", 8629},  {"lArr", 8656},    {"uArr", 8657},   {"rArr", 8658},   {"dArr", 8659},
    {"hArr", 8660},   {"forall", 8704},  {"part", 8706},   {"exist", 8707},  {"empty", 8709},
    {"nabla", 8711},  {"isin", 8712},    {"notin", 8713},  {"ni", 8715},     {"prod", 8719},
    {"sum", 8721},    {"minus", 8722},   {"lowast", 8727}, {"radic", 8730},  {"prop", 8733},
    {"infin", 8734},  {"ang", 8736},     {"and", 8743},    {"or", 8744},     {"cap", 8745},
    {"cup", 8746},    {"int", 8747},     {"there4", 8756}, {"sim", 8764},    {"cong", 8773},
    {"asymp", 8776},  {"ne", 8800},      {"equiv", 8801},  {"le", 8804},     {"ge", 8805},
    {"sub", 8834},    {"sup", 8835},     {"nsub", 8836},   {"sube", 8838},   {"supe", 8839},
    {"oplus", 8853},  {"otimes", 8855},  {"perp", 8869},   {"sdot", 8901},   {"lceil", 8968},
    {"rceil", 8969},  {"lfloor", 8970},  {"rfloor", 8971}, {"lang", 9001},   {"rang", 9002},
    {"loz", 9674},    {"spades", 9824},  {"clubs", 9827},  {"hearts", 9829}, {"diams", 9830},
    {"OElig", 338},   {"oelig", 339},    {"Scaron", 352},  {"scaron", 353},  {"Yuml", 376},
    {"circ", 710},    {"tilde", 732},    {"ensp", 8194},   {"emsp", 8195},   {"thinsp", 8201},
    {"zwnj", 8204},   {"zwj", 8205},     {"lrm", 8206},    {"rlm", 8207},    {"ndash", 8211},
    {"mdash", 8212},  {"lsquo", 8216},   {"rsquo", 8217},  {"sbquo", 8218},  {"ldquo", 8220},
    {"rdquo", 8221},  {"bdquo", 8222},   {"dagger", 8224}, {"Dagger", 8225}, {"permil", 8240},
    {"lsaquo", 8249}, {"rsaquo", 8250},  {"euro", 8364},
};
constexpr int kMaxEntityName = 8; // "thetasym"

bool IsWhite(int c)
{
    return c == ' ' || c == '\r' || c == '\t';
}
bool IsLetter(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}
bool IsHexDigit(int c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsPrintable(int c)
{
    return c >= 32 && c != 127;
}
// A byte that stands for itself inside a word of text: printable ASCII other than a space and
// the characters that start markup or an entity. Asked for nearly every byte of a page, so it
// is a table lookup.
constexpr std::array<bool, 256> kPlainWordBytes = [] {
    std::array<bool, 256> plain{};
    for (int b = '!'; b < 127; ++b)
        plain[b] = b != '<' && b != '&' && b != '>';
    return plain;
}();
bool IsPlainWordByte(uchar b)
{
    return kPlainWordBytes[b];
}
int ToUpper(int c)
{
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

// Every tag and attribute name is looked up: the names are kept in a small open-addressing
// table of their own, whose hash is cheaper than a general one for names this short.
class TNameTable {
public:
    template <typename Entries, typename SymOf> TNameTable(const Entries &entries, SymOf symOf)
    {
        m_slots.fill(kFree);
        for (const auto &e : entries) {
            const char *name = NameOf(e);
            const QByteArrayView key(name, qsizetype(std::strlen(name)));
            if (Find(key) >= 0)
                continue; // the first of two equal names wins, as in a hash filled in order
            m_names.push_back(name);
            m_lengths.push_back(key.size());
            m_syms.push_back(symOf(e));
            uint slot = Hash(key);
            while (m_slots[slot] != kFree)
                slot = (slot + 1) & (kSlots - 1);
            m_slots[slot] = int16_t(m_names.size() - 1);
        }
    }
    // The symbol of a name, or -1.
    int Find(QByteArrayView key) const
    {
        for (uint slot = Hash(key);; slot = (slot + 1) & (kSlots - 1)) {
            const int16_t index = m_slots[slot];
            if (index == kFree)
                return -1;
            if (m_lengths[index] == key.size() &&
                std::memcmp(m_names[index], key.data(), size_t(key.size())) == 0)
                return m_syms[index];
        }
    }

private:
    static constexpr uint kSlots = 512; // a power of two, well above the longest table
    static constexpr int16_t kFree = -1;
    static const char *NameOf(const char *name) { return name; }
    template <typename Entry> static const char *NameOf(const Entry &e) { return e.name; }
    static uint Hash(QByteArrayView key)
    {
        uint h = uint(key.size());
        for (const char c : key)
            h = h * 31 + uchar(c);
        return h & (kSlots - 1);
    }

    std::array<int16_t, kSlots> m_slots;
    std::vector<const char *> m_names;
    std::vector<qsizetype> m_lengths;
    std::vector<int> m_syms;
};

int LookupTag(QByteArrayView name)
{
    static const TNameTable table(kTags, [](const char *const &tag) { return int(&tag - kTags) + 1; });
    return std::max(0, table.Find(name));
}

// The character a reference name stands for (names are compared in their exact case), or 0.
char16_t LookupEntity(QByteArrayView name)
{
    static const TNameTable table(kEntities, [](const NamedEntity &e) { return int(e.code); });
    return char16_t(std::max(0, table.Find(name)));
}

uint8_t LookupAttribute(QByteArrayView name)
{
    static const TNameTable table(kAttributes, [](const AttrName &a) { return int(a.sym); });
    const int sym = table.Find(name);
    return sym < 0 ? uint8_t(HtmlAttr::Unknown) : uint8_t(sym);
}

// Collects the characters of a token in a small array and appends them to a string in blocks:
// appending to a string one character at a time costs several times more than the reading itself.
class TTokenTextBuffer {
public:
    explicit TTokenTextBuffer(std::u16string &out) : m_out(out) {}
    ~TTokenTextBuffer() { Flush(); }
    TTokenTextBuffer(const TTokenTextBuffer &) = delete;
    TTokenTextBuffer &operator=(const TTokenTextBuffer &) = delete;

    // A code point; those outside the basic plane take two code units.
    void Add(int c)
    {
        if (m_count + 2 > kSize)
            Flush();
        if (c < 0x10000) {
            m_units[m_count++] = char16_t(c);
        } else {
            m_units[m_count++] = QChar::highSurrogate(char32_t(c));
            m_units[m_count++] = QChar::lowSurrogate(char32_t(c));
        }
    }
    // The bytes of data from from on, up to stop, as long as each is taken (ASCII only, one
    // character a byte); returns the position of the first byte not taken.
    template <typename Takes>
    qsizetype AddBytesWhile(const char *data, qsizetype from, qsizetype stop, Takes takes)
    {
        qsizetype at = from;
        while (at < stop) {
            if (m_count == kSize)
                Flush();
            const qsizetype end = std::min<qsizetype>(stop, at + (kSize - m_count));
            char16_t *out = m_units + m_count;
            const qsizetype start = at;
            while (at < end && takes(uchar(data[at])))
                *out++ = char16_t(uchar(data[at++]));
            m_count += int(at - start);
            if (at < end)
                break;
        }
        return at;
    }
    // The length of the whole text in code units, what was flushed included.
    qsizetype Size() const { return qsizetype(m_out.size()) + m_count; }
    void Flush()
    {
        if (m_count) {
            m_out.append(m_units, size_t(m_count));
            m_count = 0;
        }
    }

private:
    static constexpr int kSize = 128;
    std::u16string &m_out;
    char16_t m_units[kSize];
    int m_count = 0;
};

void AppendLatin1(std::u16string &out, const char *text, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i)
        out += char16_t(uchar(text[i]));
}

// A character code as UTF-16 in out; false for codes that name no character.
bool AppendCode(std::u16string &out, uint code)
{
    if (code == 9) {
        out += u' ';
    } else if (code == 10 || (code >= 32 && code <= 255)) {
        // 128..159 are the Windows-1252 characters, as in the page text itself.
        out += code >= 128 && code <= 159 ? Cp1252ToUnicode(uchar(code)) : char16_t(code);
    } else if (code > 255 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
        if (QChar::requiresSurrogates(code)) {
            out += QChar::highSurrogate(code);
            out += QChar::lowSurrogate(code);
        } else {
            out += char16_t(code);
        }
    } else {
        return false;
    }
    return true;
}

} // namespace

TAttributeList::TAttributeList(const TAttributeList &other)
    : m_items(other.m_items), m_ranges(other.m_ranges), m_values(other.m_values)
{
    Seal();
}

TAttributeList &TAttributeList::operator=(const TAttributeList &other)
{
    if (this != &other) {
        m_items = other.m_items;
        m_ranges = other.m_ranges;
        m_values = other.m_values;
        Seal();
    }
    return *this;
}

void TAttributeList::Clear()
{
    m_items.clear();
    m_ranges.clear();
    m_values.clear(); // keeps the buffer
}

void TAttributeList::Add(const TAttribute &a, qsizetype start, qsizetype length)
{
    m_items.push_back(a);
    m_ranges.push_back({start, length});
}

void TAttributeList::Seal()
{
    const QStringView values(m_values);
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i].Text = values.mid(m_ranges[i].Start, m_ranges[i].Length);
}

const TAttribute *TAttributeList::Find(uint8_t sym) const
{
    for (const TAttribute &a : m_items) {
        if (a.Sym == sym)
            return &a;
    }
    return nullptr;
}

THtmlTokenizer::THtmlTokenizer(const char *data, qsizetype length, TPageEncoding encoding)
    : m_data(data), m_length(length)
{
    if (encoding == TPageEncoding::AsDeclared)
        encoding = DetectPageEncoding(data, length);
    m_utf8 = encoding == TPageEncoding::Utf8;
    if (m_utf8 && HasUtf8ByteOrderMark(data, length))
        m_pos = 3;
    m_text.reserve(kMaxPreRun + 16);
    GetCh();
}

void THtmlTokenizer::Stop()
{
    m_stopped = true;
    m_look = kNoLook;
    m_ch = kEnd;
    m_up = kEnd;
}

int THtmlTokenizer::ReadRaw()
{
    if (m_stopped || m_pos >= m_length)
        return kEnd;
    return uchar(m_data[m_pos++]);
}

void THtmlTokenizer::GetChSlow()
{
    int c;
    if (m_look != kNoLook) {
        c = m_look;
        m_look = kNoLook;
    } else {
        c = ReadRaw();
    }
    while (c == '<') {
        const int next = ReadRaw();
        if (next != '!') {
            m_look = next;
            break;
        }
        SkipComment();
        if (!m_error.ok()) {
            Stop();
            return;
        }
        c = ReadRaw();
    }
    if (c == '\r' || c == '\n') {
        // CR LF and LF CR count as one line end.
        const int other = c == '\r' ? '\n' : '\r';
        if (m_look == kNoLook && m_pos < m_length && !m_stopped && uchar(m_data[m_pos]) == other)
            ++m_pos;
        c = '\r';
    }
    // A tab stays a tab: preformatted text advances it to the next tab stop; everywhere else it
    // counts as white space.
    if (c >= 0x80)
        c = m_utf8 ? DecodeUtf8(c) : Cp1252ToUnicode(uchar(c));
    m_ch = c;
    m_up = ToUpper(c);
}

void THtmlTokenizer::SkipComment()
{
    const auto fail = [this] {
        m_error = {TViewErrorKind::ParseError, QStringLiteral("Open Comment at End of HTML File")};
    };
    int c = ReadRaw();
    if (c == '-') {
        c = ReadRaw();
        if (c == '-') {
            c = ReadRaw();
            for (;;) {
                if (c == kEnd)
                    return fail();
                if (c != '-') {
                    c = ReadRaw();
                    continue;
                }
                int run = 0;
                while (c == '-') {
                    ++run;
                    c = ReadRaw();
                }
                if (run < 2)
                    continue;
                while (c == ' ' || c == '\r' || c == '\n' || c == '\t')
                    c = ReadRaw();
                if (c == '>')
                    return;
            }
        }
    }
    // A declaration ("<!DOCTYPE ...>") runs to the next ">".
    while (c != '>') {
        if (c == kEnd)
            return fail();
        c = ReadRaw();
    }
}

int THtmlTokenizer::DecodeUtf8(int lead)
{
    // A byte that starts no valid sequence is read as Windows-1252, so a page that declares
    // UTF-8 but holds a stray Latin-1 letter still shows that letter.
    int need = 0;
    int code = 0;
    int lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        need = 1, code = lead & 0x1F, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        need = 2, code = lead & 0x0F, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        need = 3, code = lead & 0x07, lowest = 0x10000;
    if (!need || m_stopped || m_pos + need > m_length)
        return Cp1252ToUnicode(uchar(lead));
    for (int i = 0; i < need; ++i) {
        const uchar b = uchar(m_data[m_pos + i]);
        if ((b & 0xC0) != 0x80)
            return Cp1252ToUnicode(uchar(lead));
        code = code << 6 | (b & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return Cp1252ToUnicode(uchar(lead));
    m_pos += need;
    return code;
}

bool THtmlTokenizer::IsBlankText() const
{
    if (m_sym != HtmlSym::Text)
        return false;
    for (const char16_t c : m_text) {
        if (c != u' ' && c != u'\r')
            return false;
    }
    return true;
}

bool THtmlTokenizer::KeepsAttributes(int sym)
{
    using namespace HtmlSym;
    switch (sym) {
    case Body:
    case P:
    case Br:
    case H:
    case Hr:
    case Base:
    case Ol:
    case Ul:
    case Img:
    case A:
    case Table:
    case Td:
    case Tr:
    case Th:
    case Caption:
    case Input:
    case Form:
    case TextArea:
    case Select:
    case Option:
    case Font:
    case BaseFont:
    case Map:
    case Area:
    case FrameSet:
    case Frame:
        return true;
    default:
        return false;
    }
}

void THtmlTokenizer::Next()
{
    m_text.clear(); // keeps the buffer: no allocation per token
    m_level = 0;
    if (m_ch == kEnd) {
        m_sym = HtmlSym::Eof;
    } else if (m_ch == '<') {
        ReadTag();
    } else if (m_ch == '&') {
        ReadEntity(m_text);
        m_sym = HtmlSym::Text;
    } else if (IsWhite(m_ch) || (IsPrintable(m_ch) && m_ch != '>')) {
        // Outside preformatted text every run of white space shows as one space.
        TTokenTextBuffer text(m_text);
        while (text.Size() < kMaxRun) {
            if (IsWhite(m_ch)) {
                text.Add(' ');
                do
                    GetCh();
                while (IsWhite(m_ch));
            } else if (IsPrintable(m_ch) && m_ch != '&' && m_ch != '<' && m_ch != '>') {
                text.Add(m_ch);
                // The rest of a word is mostly plain ASCII: it is copied straight from the input.
                if (m_look == kNoLook && !m_stopped) {
                    const qsizetype stop = std::min(m_length, m_pos + (kMaxRun - text.Size()));
                    m_pos = text.AddBytesWhile(m_data, m_pos, stop, IsPlainWordByte);
                }
                GetCh();
            } else {
                break;
            }
        }
        m_sym = HtmlSym::Text;
    } else {
        TTokenTextBuffer(m_text).Add(m_ch);
        m_sym = HtmlSym::OneChar;
        GetCh();
    }
}

void THtmlTokenizer::NextPreformatted()
{
    m_text.clear(); // keeps the buffer: no allocation per token
    m_level = 0;
    if (m_ch == kEnd) {
        m_sym = HtmlSym::Eof;
    } else if (m_ch == '\r') {
        m_sym = HtmlSym::Eol;
        GetCh();
    } else if (m_ch == '<') {
        ReadTag();
    } else if (m_ch == '&') {
        ReadEntity(m_text);
        m_sym = HtmlSym::Text;
    } else {
        TTokenTextBuffer text(m_text);
        while (text.Size() < kMaxPreRun && m_ch != kEnd && m_ch != '\r' && m_ch != '<' && m_ch != '&') {
            if (IsPrintable(m_ch) || m_ch == '\t')
                text.Add(m_ch);
            GetCh();
        }
        m_sym = HtmlSym::Text;
    }
}

void THtmlTokenizer::ReadTag()
{
    GetCh(); // past "<"
    SkipWhite();
    bool end = false;
    if (m_ch == '/') {
        end = true;
        GetCh();
    }
    char nameChars[kMaxName];
    int nameLength = 0;
    while (m_up >= 'A' && m_up <= 'Z') {
        if (nameLength < kMaxName)
            nameChars[nameLength++] = char(m_up);
        GetCh();
    }
    const QByteArrayView name(nameChars, nameLength);
    const int tag = LookupTag(name);
    if (!tag)
        m_sym = HtmlSym::Unknown;
    else if (!end)
        m_sym = tag;
    else
        m_sym = tag <= HtmlSym::kTagsWithEnd ? HtmlSym::End(tag) : HtmlSym::Unknown;
    if (tag == HtmlSym::H && m_ch >= '1' && m_ch <= '6') {
        m_level = m_ch - '0';
        GetCh();
    }
    const bool keep = !end && KeepsAttributes(m_sym);
    if (keep)
        m_attributes.Clear();
    for (;;) {
        SkipWhite();
        char attrChars[kMaxName];
        int attrLength = 0;
        while (IsLetter(m_ch)) {
            if (attrLength < kMaxName)
                attrChars[attrLength++] = char(m_up);
            GetCh();
        }
        if (attrLength == 0)
            break;
        SkipWhite();
        TAttribute a;
        a.Sym = LookupAttribute(QByteArrayView(attrChars, attrLength));
        a.Value = a.Sym == HtmlAttr::Border ? 1 : 0; // a bare BORDER means 1
        std::u16string &values = keep ? m_attributes.Values() : m_skippedValues;
        const qsizetype start = qsizetype(values.size());
        if (m_ch == '=') {
            GetCh();
            SkipWhite();
            ReadValue(a, values);
        }
        if (keep)
            m_attributes.Add(a, start, qsizetype(values.size()) - start);
        else
            values.clear();
    }
    if (keep)
        m_attributes.Seal();
    while (m_ch != '>' && m_ch != kEnd)
        GetCh();
    if (m_ch == '>') {
        if (!end && !tag && (name == "STYLE" || name == "SCRIPT")) // neither is a tag of the table
            SkipRawContent(name);
        GetCh();
    }
}

void THtmlTokenizer::SkipRawContent(QByteArrayView name)
{
    // Style sheets and scripts are not page text, and may hold "<", "&" and "<!--" of their own
    // that must not be read as markup: their bytes are passed over unread up to their end tag,
    // which is then read as an ordinary (unrecognised) tag.
    for (qsizetype i = m_pos; i + 1 < m_length; ++i) {
        if (m_data[i] != '<' || m_data[i + 1] != '/')
            continue;
        qsizetype j = i + 2;
        qsizetype k = 0;
        while (k < name.size() && j < m_length && ToUpper(uchar(m_data[j])) == name[k])
            ++j, ++k;
        if (k == name.size() && (j == m_length || !IsLetter(uchar(m_data[j])))) {
            m_pos = i;
            return;
        }
    }
    m_pos = m_length;
}

void THtmlTokenizer::ReadValue(TAttribute &a, std::u16string &out)
{
    const qsizetype start = qsizetype(out.size());
    const auto text = [&out, start] { return QStringView(out).mid(start); };
    TTokenTextBuffer buffer(out);
    if (m_ch == '"' || m_ch == '\'') {
        const int quote = m_ch;
        GetCh();
        while (m_ch != quote && m_ch != kEnd) {
            buffer.Add(m_ch == '\t' ? ' ' : m_ch);
            // Values are mostly plain ASCII (addresses, numbers, names): up to the closing quote
            // they are copied straight from the input.
            if (m_look == kNoLook && !m_stopped) {
                m_pos = buffer.AddBytesWhile(m_data, m_pos, m_length, [quote](uchar b) {
                    return b >= ' ' && b < 127 && b != '<' && b != quote;
                });
            }
            GetCh();
        }
        if (m_ch == quote)
            GetCh();
        buffer.Flush();
        a.Quoted = true;
        QStringView number = text().trimmed();
        if (number.endsWith(QLatin1Char('%')))
            number.chop(1);
        a.Value = AttributeNumber(number);
    } else if (m_ch == '+' || m_ch == '-' || IsDigit(m_ch)) {
        while (m_ch != kEnd && !IsWhite(m_ch) && m_ch != '%' && m_ch != '>') {
            buffer.Add(m_ch);
            GetCh();
        }
        buffer.Flush();
        a.Value = AttributeNumber(text());
        if (m_ch == '%') {
            out += u'%';
            GetCh();
        }
    } else {
        while (m_ch != kEnd && !IsWhite(m_ch) && m_ch != '>') {
            buffer.Add(m_ch);
            GetCh();
        }
        buffer.Flush();
    }
}

void THtmlTokenizer::ReadEntity(std::u16string &out)
{
    GetCh(); // past "&"
    if (m_ch == '#') {
        GetCh();
        char digits[8];
        int count = 0;
        bool hex = false;
        if (m_up == 'X') {
            hex = true;
            GetCh();
        }
        // Decimal references up to 7 digits and hexadecimal up to 6 name every character; the
        // page text is single-byte, so characters above 255 are kept as UTF-16 in the model.
        const int maxDigits = hex ? 6 : 7;
        while (count <= maxDigits && (hex ? IsHexDigit(m_ch) : IsDigit(m_ch))) {
            digits[count++] = char(m_ch);
            GetCh();
        }
        bool semi = false;
        if (m_ch == ';') {
            semi = true;
            GetCh();
        }
        bool ok = false;
        const uint code = QByteArray::fromRawData(digits, count).toUInt(&ok, hex ? 16 : 10);
        if (count == 0 || count > maxDigits || !ok || !AppendCode(out, code)) {
            out += hex ? u"&#x" : u"&#";
            AppendLatin1(out, digits, count);
            if (semi)
                out += u';';
        }
        return;
    }
    char name[kMaxEntityName];
    int length = 0;
    while (length < kMaxEntityName && (IsLetter(m_ch) || IsDigit(m_ch))) {
        name[length++] = char(m_ch);
        GetCh();
    }
    if (IsLetter(m_ch) || IsDigit(m_ch)) {
        out += u'&';
        AppendLatin1(out, name, length);
        return;
    }
    bool semi = false;
    if (m_ch == ';') {
        semi = true;
        GetCh();
    }
    if (const char16_t code = length == 0 ? 0 : LookupEntity(QByteArrayView(name, length))) {
        out += code;
        return;
    }
    out += u'&';
    AppendLatin1(out, name, length);
    if (semi)
        out += u';';
}

QStringList THtmlTokenizer::ReadTextAreaContent()
{
    static const char kEndTag[] = "/textarea";
    QStringList lines;
    std::u16string line;
    while (m_ch != kEnd) {
        if (m_ch == '<') {
            // Look ahead without consuming: the character after "<" is pushed back, the rest
            // still waits in the input.
            bool match = true;
            qsizetype at = m_pos;
            for (int i = 0; i < 9 && match; ++i) {
                int c;
                if (i == 0 && m_look != kNoLook)
                    c = m_look;
                else
                    c = at < m_length ? uchar(m_data[at++]) : kEnd;
                match = c != kEnd && std::tolower(c) == kEndTag[i];
            }
            if (m_look == kNoLook)
                match = false;
            if (match) {
                const int after = at < m_length ? uchar(m_data[at]) : kEnd;
                match = after == kEnd || after == '>' || after == ' ' || after == '\t' || after == '\r' ||
                        after == '\n';
            }
            if (match) {
                while (m_ch != '>' && m_ch != kEnd)
                    GetCh();
                if (m_ch == '>')
                    GetCh();
                break;
            }
            line += u'<';
            GetCh();
        } else if (m_ch == '\r') {
            lines << QString::fromStdU16String(line);
            line.clear();
            GetCh();
        } else if (m_ch == '&') {
            ReadEntity(line);
        } else {
            if (IsPrintable(m_ch) || m_ch == '\t')
                TTokenTextBuffer(line).Add(m_ch == '\t' ? ' ' : m_ch);
            GetCh();
        }
    }
    if (!line.empty())
        lines << QString::fromStdU16String(line);
    return lines;
}

#include "htmlviewpages.h"

#include "bigpage.h"
#include "pagehtml.h"

#include <cstdint>

namespace {

const char *const kWords[] = {
    "page",       "builder",     "beginner", "heading",     "paragraph", "link",          "picture",
    "style",      "colour",      "upload",   "server",      "gallery",   "template",      "preview",
    "column",     "block",       "a",        "the",         "with",      "and",           "of",
    "to",         "zorvin",      "express",  "welcome",     "friends",   "family",        "holiday",
    "garden",     "photographs", "recipes",  "interesting", "wonderful", "neighbourhood", "association",
    "information"};
constexpr int kWordCount = int(sizeof kWords / sizeof *kWords);

// A small linear congruential generator: reproducible text without depending on the
// standard library's distribution implementations.
class Words {
public:
    int next(int bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_state >> 33) % uint64_t(bound));
    }
    QByteArray sentence(int words)
    {
        QByteArray out;
        for (int i = 0; i < words; ++i) {
            if (i)
                out += ' ';
            out += kWords[next(kWordCount)];
        }
        return out;
    }

private:
    uint64_t m_state = 20261208;
};

} // namespace

namespace HtmlViewPages {

QByteArray builderPage(int blocks)
{
    TWebChunkList chunks = BigPage(blocks);
    const QByteArray page = BuildPageHTML(chunks, "Our walking club", TPageHTMLSettings());
    // The preview applies the chosen style afterwards, as the program does.
    TStyleChunk style;
    style.StyleName = "Evening";
    style.BackColour = 0x00F0E8E0;
    style.DocColour = 0x00402010;
    return AddBodyDef(page, &style);
}

QByteArray mixedPage(int bytes)
{
    Words words;
    QByteArray page = "<HTML><HEAD><TITLE>Mixed page</TITLE></HEAD><BODY>\n";
    int item = 0;
    while (page.size() < bytes) {
        switch (item++ % 8) {
        case 0:
            page += "<H" + QByteArray::number(1 + words.next(4)) + ">" + words.sentence(5) + "</H1>\n";
            break;
        case 1:
        case 2:
            page += "<P>" + words.sentence(30) + " <B>" + words.sentence(4) + "</B> <A HREF=\"page" +
                    QByteArray::number(item) + ".html\">" + words.sentence(3) + "</A> <I>" +
                    words.sentence(20) + "</I></P>\n";
            break;
        case 3: {
            page += item % 2 ? "<UL>\n" : "<OL>\n";
            for (int i = 0; i < 6; ++i)
                page += "<LI>" + words.sentence(8) + "\n";
            page += item % 2 ? "</UL>\n" : "</OL>\n";
            break;
        }
        case 4: {
            page += "<TABLE BORDER=1 CELLPADDING=2 WIDTH=90%>\n";
            for (int r = 0; r < 4; ++r) {
                page += "<TR>";
                for (int c = 0; c < 3; ++c)
                    page += "<TD>" + words.sentence(3 + words.next(6)) + "</TD>";
                page += "</TR>\n";
            }
            page += "</TABLE>\n";
            break;
        }
        case 5:
            page += "<P><IMG SRC=\"pic" + QByteArray::number(item % 5) +
                    ".gif\" WIDTH=32 HEIGHT=32 ALT=\"icon\"> " + words.sentence(12) + "</P>\n";
            break;
        case 6:
            page += "<PRE>\n";
            for (int i = 0; i < 5; ++i)
                page += "  " + words.sentence(6) + "\n";
            page += "</PRE>\n";
            break;
        default:
            page += "<HR>\n";
            break;
        }
    }
    page += "</BODY></HTML>\n";
    return page;
}

} // namespace HtmlViewPages

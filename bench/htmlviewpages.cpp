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

QByteArray manualPage(int bytes)
{
    Words words;
    const auto n = [](int v) { return QByteArray::number(v); };
    QByteArray head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n<HTML><HEAD>\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\n"
                      "<TITLE>Zorvin Express: the manual</TITLE>\n<STYLE TYPE=\"text/css\"><!--\n"
                      "  pre { margin-left: 2em }\n  .note { color: #600000 }\n--></STYLE>\n</HEAD>\n"
                      "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000C0\" VLINK=\"#800080\">\n"
                      "<A NAME=\"top\"></A><H1 ALIGN=CENTER>Zorvin Express &mdash; the manual</H1>\n";
    // Chapters are written first so the contents can list every one of them.
    QByteArray body;
    QByteArray contents = "<H2>Contents</H2>\n<UL>\n";
    for (int chapter = 1; body.size() + contents.size() + head.size() < bytes; ++chapter) {
        const QByteArray title = words.sentence(3 + words.next(3));
        contents += "<LI><A HREF=\"#ch" + n(chapter) + "\">" + n(chapter) + ". " + title + "</A>\n<UL>\n";
        body += "<HR>\n<H2><A NAME=\"ch" + n(chapter) + "\">" + n(chapter) + ". " + title + "</A></H2>\n";
        body += "<P>" + words.sentence(40) + " <TT>" + words.sentence(1) + "</TT> " + words.sentence(25) +
                "</P>\n";
        for (int part = 1; part <= 4; ++part) {
            const QByteArray id = n(chapter) + "." + n(part);
            const QByteArray sub = words.sentence(4);
            contents += "<LI><A HREF=\"#ch" + id + "\">" + id + " " + sub + "</A>\n";
            body += "<H3><A NAME=\"ch" + id + "\">" + id + " " + sub + "</A></H3>\n";
            body += "<P>" + words.sentence(30 + words.next(30)) + " Use <CODE>--" + words.sentence(1) +
                    "</CODE> &quot;" + words.sentence(2) + "&quot; &ndash; " + words.sentence(20) + ".</P>\n";
            switch (part) {
            case 1:
                body += "<PRE>\n$ zvtool " + words.sentence(1) + " --width 600 page.html\n";
                for (int line = 0; line < 8; ++line)
                    body += QByteArray(1 + line % 3, '\t') + words.sentence(1) + "\t= " + n(words.next(999)) +
                            ";\t&lt;" + words.sentence(1) + "&gt;\n";
                body += "</PRE>\n";
                break;
            case 2:
                body += "<TABLE BORDER=1 CELLPADDING=4 CELLSPACING=0 WIDTH=\"100%\">\n"
                        "<TR><TH ALIGN=LEFT WIDTH=\"25%\">Option</TH><TH ALIGN=LEFT>Meaning</TH>"
                        "<TH WIDTH=60>Default</TH></TR>\n";
                for (int row = 0; row < 6; ++row)
                    body += "<TR><TD><CODE>--" + words.sentence(1) + "</CODE></TD><TD>" +
                            words.sentence(8 + words.next(20)) + "</TD><TD ALIGN=CENTER>" +
                            n(words.next(100)) + "</TD></TR>\n";
                body += "</TABLE>\n";
                break;
            case 3:
                body += "<DL>\n";
                for (int term = 0; term < 4; ++term)
                    body += "<DT><B>" + words.sentence(2) + "</B>\n<DD>" +
                            words.sentence(15 + words.next(15)) + "\n";
                body += "</DL>\n";
                break;
            default:
                body += "<BLOCKQUOTE><B>Note:</B> " + words.sentence(25) + " <I>" + words.sentence(6) +
                        "</I></BLOCKQUOTE>\n<OL>\n";
                for (int step = 0; step < 5; ++step)
                    body += "<LI>" + words.sentence(10 + words.next(10)) + "\n";
                body += "</OL>\n";
                break;
            }
        }
        contents += "</UL>\n";
        body += "<P><A HREF=\"#top\">Back to the contents</A></P>\n";
    }
    contents += "</UL>\n";
    return head + contents + body + "<HR><ADDRESS>Pellory, 1999</ADDRESS>\n</BODY></HTML>\n";
}

QByteArray newsPage(int bytes)
{
    Words words;
    const auto n = [](int v) { return QByteArray::number(v); };
    QByteArray page =
        "<HTML><HEAD><TITLE>The Daily Zorvin</TITLE>\n"
        "<SCRIPT LANGUAGE=\"JavaScript\"><!--\nfunction pop(u) { if (u.length < 2 && u > \"\") return; "
        "window.open(u, \"w\", \"width=400,height=300\"); }\n// --></SCRIPT>\n</HEAD>\n"
        "<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#003366\" VLINK=\"#666666\" TOPMARGIN=0 LEFTMARGIN=0>\n"
        "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=0 CELLSPACING=0><TR>"
        "<TD BGCOLOR=\"#003366\"><IMG SRC=\"masthead.gif\" WIDTH=468 HEIGHT=60 ALT=\"The Daily Zorvin\"></TD>"
        "<TD BGCOLOR=\"#003366\" ALIGN=RIGHT><FONT FACE=\"Arial,Helvetica\" SIZE=1 COLOR=\"#FFFFFF\">"
        "Friday, 3 December 1999</FONT></TD></TR></TABLE>\n"
        "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=4 CELLSPACING=0><TR>\n"
        "<TD WIDTH=150 VALIGN=TOP BGCOLOR=\"#E0E8F0\"><FONT FACE=\"Arial,Helvetica\" "
        "SIZE=2><B>Sections</B><BR>\n";
    for (int i = 0; i < 14; ++i)
        page += "&middot;&nbsp;<A HREF=\"section" + n(i) + ".html\">" + words.sentence(1) + "</A><BR>\n";
    page += "</FONT><IMG SRC=\"spacer.gif\" WIDTH=150 HEIGHT=1></TD>\n<TD VALIGN=TOP>\n";
    QByteArray right = "<TD WIDTH=160 VALIGN=TOP BGCOLOR=\"#F4F4F4\"><FONT FACE=\"Arial,Helvetica\" SIZE=2>"
                       "<B>Poll</B><FORM ACTION=\"/cgi-bin/poll\" METHOD=POST>\n";
    for (int i = 0; i < 3; ++i)
        right += "<INPUT TYPE=radio NAME=vote VALUE=" + n(i) + "> " + words.sentence(2) + "<BR>\n";
    right += "<INPUT TYPE=submit VALUE=\"Vote\"></FORM>\n";
    const QByteArray footer = "</TD>\n" + right +
                              "</FONT></TD></TR></TABLE>\n<CENTER><FONT SIZE=1>"
                              "<A HREF=\"about.html\">About us</A> | <A HREF=\"mail.html\">Write to us</A> | "
                              "&copy; 1999 The Daily Zorvin</FONT></CENTER>\n</BODY></HTML>\n";
    for (int story = 0; page.size() + footer.size() < bytes; ++story) {
        if (story % 5 == 4) {
            // A box of briefs in two columns, each a table of its own.
            page += "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=2 CELLSPACING=4><TR>";
            for (int column = 0; column < 2; ++column) {
                page +=
                    "<TD WIDTH=\"50%\" VALIGN=TOP><TABLE WIDTH=\"100%\" BORDER=1 CELLPADDING=3 CELLSPACING=0>"
                    "<TR><TD BGCOLOR=\"#DDDDDD\"><B>In brief</B></TD></TR><TR><TD><FONT SIZE=2>";
                for (int brief = 0; brief < 3; ++brief)
                    page += "<B>" + words.sentence(3) + ".</B> " + words.sentence(15) + "<BR>\n";
                page += "</FONT></TD></TR></TABLE></TD>";
            }
            page += "</TR></TABLE>\n";
            continue;
        }
        page += "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=2 CELLSPACING=0>\n<TR><TD BGCOLOR=\"#CCCCCC\">"
                "<FONT FACE=\"Arial,Helvetica\" SIZE=3><B>" +
                words.sentence(6) + "</B></FONT></TD></TR>\n<TR><TD><IMG SRC=\"story" + n(story % 9) +
                ".jpg\" WIDTH=100 HEIGHT=75 ALIGN=" + (story % 2 ? "LEFT" : "RIGHT") +
                " HSPACE=4 ALT=\"\"><FONT SIZE=2>" + words.sentence(50 + words.next(40)) +
                " <A HREF=\"story" + n(story) +
                ".html\">More&nbsp;&raquo;</A></FONT><BR CLEAR=ALL></TD></TR>\n"
                "</TABLE>\n";
    }
    return page + footer;
}

} // namespace HtmlViewPages

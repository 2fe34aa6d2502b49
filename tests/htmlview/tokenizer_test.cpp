#include "htmldocumentreader.h"
#include "htmltokenizer.h"

#include <gtest/gtest.h>

#include <functional>

// The token stream itself: symbols in order, attribute values and where text runs end.

namespace {

struct Token {
    int sym;
    QString text;
};

std::vector<Token> Tokens(const QByteArray &html)
{
    THtmlTokenizer tok(html.constData(), html.size());
    std::vector<Token> out;
    for (tok.Next(); tok.Sym() != HtmlSym::Eof; tok.Next())
        out.push_back({tok.Sym(), tok.TokenText().toString()});
    return out;
}

// The attributes of the first tag of html.
TAttributeList FirstTag(const QByteArray &html)
{
    THtmlTokenizer tok(html.constData(), html.size());
    tok.Next();
    return tok.Attributes();
}

} // namespace

TEST(HtmlTokenizer, TagSymbolsEndFormsAndUnknownTags)
{
    const auto t = Tokens("<b></B>< /b><br></br><div><h3></H7><frameset></frameset></page>");
    ASSERT_EQ(t.size(), 11u);
    EXPECT_EQ(t[0].sym, HtmlSym::B);
    EXPECT_EQ(t[1].sym, HtmlSym::End(HtmlSym::B));
    EXPECT_EQ(t[2].sym, HtmlSym::End(HtmlSym::B)); // white space after "<" is allowed
    EXPECT_EQ(t[3].sym, HtmlSym::Br);
    EXPECT_EQ(t[4].sym, HtmlSym::Unknown); // BR has no end form
    EXPECT_EQ(t[5].sym, HtmlSym::Unknown); // DIV is not in the table
    EXPECT_EQ(t[6].sym, HtmlSym::H);
    EXPECT_EQ(t[7].sym, HtmlSym::End(HtmlSym::H));
    EXPECT_EQ(t[8].sym, HtmlSym::FrameSet);
    EXPECT_EQ(t[9].sym, HtmlSym::End(HtmlSym::FrameSet));
    EXPECT_EQ(t[10].sym, HtmlSym::Unknown); // PAGE has no end form
}

TEST(HtmlTokenizer, HeadingLevels)
{
    const QByteArray html = "<H2><H7><H>";
    THtmlTokenizer tok(html.constData(), html.size());
    tok.Next();
    EXPECT_EQ(tok.HeadingLevel(), 2);
    tok.Next();
    EXPECT_EQ(tok.HeadingLevel(), 0);
    tok.Next();
    EXPECT_EQ(tok.Sym(), HtmlSym::H);
    EXPECT_EQ(tok.HeadingLevel(), 0);
}

TEST(HtmlTokenizer, AttributeValueRules)
{
    const TAttributeList a = FirstTag("<TABLE WIDTH=50% BORDER HEIGHT=\"75%\" COLSPAN=+3 CELLPADDING=-2x "
                                      "ALIGN=Center VALIGN='top' BGCOLOR=#ff00FF ALINK=red SIZE=\"abc\">");
    EXPECT_EQ(a.Find(HtmlAttr::Width)->Value, 50);
    EXPECT_EQ(a.Find(HtmlAttr::Width)->Text, QStringLiteral("50%"));
    EXPECT_EQ(a.Find(HtmlAttr::Border)->Value, 1); // a bare BORDER means 1
    EXPECT_EQ(a.Find(HtmlAttr::Height)->Value, 75);
    EXPECT_EQ(a.Find(HtmlAttr::ColSpan)->Value, 3);
    EXPECT_EQ(a.Find(HtmlAttr::CellPadding)->Value, 0);                 // "-2x" is no integer
    EXPECT_EQ(a.Find(HtmlAttr::Align)->Text, QStringLiteral("Center")); // case kept
    EXPECT_EQ(a.Find(HtmlAttr::VAlign)->Text, QStringLiteral("top"));
    EXPECT_EQ(a.Find(HtmlAttr::BgColor)->Text, QStringLiteral("#ff00FF"));
    EXPECT_EQ(a.Find(HtmlAttr::Size)->Value, 0);
    EXPECT_EQ(a.Count(), 10); // ALINK is kept as an unrecognised attribute, without effect
}

TEST(HtmlTokenizer, AttributeNumbersAreHeldWithinAMillion)
{
    const TAttributeList a =
        FirstTag("<TABLE WIDTH=007 HEIGHT=-1500000 BORDER=1234567890 CELLPADDING=12345678901 "
                 "CELLSPACING=\"+\" COLS=\" 999999999 \" ROWS=-0 SIZE=' 12 ' START=\"-34\">");
    EXPECT_EQ(a.Find(HtmlAttr::Width)->Value, 7);
    EXPECT_EQ(a.Find(HtmlAttr::Height)->Value, -1000000);
    EXPECT_EQ(a.Find(HtmlAttr::Border)->Value, 1000000); // ten digits still make an integer
    EXPECT_EQ(a.Find(HtmlAttr::CellPadding)->Value, 0);  // beyond 32 bits: no number
    EXPECT_EQ(a.Find(HtmlAttr::CellSpacing)->Value, 0);
    EXPECT_EQ(a.Find(HtmlAttr::Cols)->Value, 1000000);
    EXPECT_EQ(a.Find(HtmlAttr::Rows)->Value, 0);
    EXPECT_EQ(a.Find(HtmlAttr::Size)->Value, 12);
    EXPECT_EQ(a.Find(HtmlAttr::Start)->Value, -34);
}

TEST(HtmlTokenizer, TagsThatDropTheirAttributesKeepThePreviousOnes)
{
    // The dropped tag's long value must not move the kept texts either.
    const QByteArray html = "<IMG SRC=a.gif><B CLASS=\"" + QByteArray(5000, 'x') + "\">";
    THtmlTokenizer tok(html.constData(), html.size());
    tok.Next();
    tok.Next();
    EXPECT_EQ(tok.Sym(), HtmlSym::B);
    ASSERT_NE(tok.Attributes().Find(HtmlAttr::Src), nullptr);
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Src)->Text, QStringLiteral("a.gif"));
}

TEST(HtmlTokenizer, EachTagsTextsAreItsOwnWhateverTheOneBeforeHeld)
{
    // The texts of a tag share one buffer kept from tag to tag: a longer tag after a short one
    // grows it, a shorter one after a long one reuses it.
    const QByteArray longHref = QByteArray(3000, 'h');
    const QByteArray html =
        "<A HREF=short TARGET=t1><A HREF=\"" + longHref + "\" NAME=n TARGET='t2'><A HREF=s>";
    THtmlTokenizer tok(html.constData(), html.size());
    tok.Next();
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Href)->Text, QStringLiteral("short"));
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Target)->Text, QStringLiteral("t1"));
    // A copy keeps its texts while the tokenizer reuses its buffer.
    const TAttributeList copied = tok.Attributes();
    TAttributeList assigned;
    assigned = tok.Attributes();
    tok.Next();
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Href)->Text, QString::fromLatin1(longHref));
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Name)->Text, QStringLiteral("n"));
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Target)->Text, QStringLiteral("t2"));
    tok.Next();
    EXPECT_EQ(tok.Attributes().Count(), 1);
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Href)->Text, QStringLiteral("s"));
    EXPECT_EQ(tok.Attributes().Find(HtmlAttr::Target), nullptr);
    for (const TAttributeList &list : {std::cref(copied), std::cref(assigned)}) {
        EXPECT_EQ(list.Find(HtmlAttr::Href)->Text, QStringLiteral("short"));
        EXPECT_EQ(list.Find(HtmlAttr::Target)->Text, QStringLiteral("t1"));
    }
}

TEST(HtmlTokenizer, TextRunsStopAtMarkupAndHundredCharacters)
{
    const auto t = Tokens(QByteArray(150, 'a') + "b&lt;c\x01"
                                                 "d");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].text.size(), 100);
    EXPECT_EQ(t[1].text, QString(50, QLatin1Char('a')) + QLatin1Char('b'));
    EXPECT_EQ(t[2].text, QStringLiteral("<"));
    EXPECT_EQ(t[3].text, QStringLiteral("c"));
    EXPECT_EQ(t[4].sym, HtmlSym::OneChar); // a control character cannot be text
    EXPECT_EQ(t[5].text, QStringLiteral("d"));
}

TEST(HtmlTokenizer, WordsCopiedInBulkStopWhereTheCharacterByCharacterReadingWould)
{
    // A comment inside a word is skipped without ending the run; a line end is white space; a
    // Windows-1252 byte is its character; a code point outside the basic plane straddling the
    // hundredth character still goes into the run whole.
    const auto t = Tokens("ab<!-- x -->cd\r\nef\x93gh>" + QByteArray(97, 'i') + "&#x1F600;j");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, QStringLiteral("abcd ef\u201Cgh"));
    EXPECT_EQ(t[1].sym, HtmlSym::OneChar);
    EXPECT_EQ(t[2].text, QString(97, QLatin1Char('i')));
    EXPECT_EQ(t[3].text, QString::fromUcs4(U"\U0001F600"));

    const QByteArray utf8 = "\xEF\xBB\xBF" + QByteArray(99, 'k') + "\xF0\x9F\x98\x80l m";
    THtmlTokenizer tok(utf8.constData(), utf8.size(), TPageEncoding::AsDeclared);
    tok.Next();
    EXPECT_EQ(tok.TokenText(), QString(99, QLatin1Char('k')) + QString::fromUcs4(U"\U0001F600"));
    tok.Next();
    EXPECT_EQ(tok.TokenText(), QStringLiteral("l m"));
}

TEST(HtmlTokenizer, LongAndMixedAttributeValuesAndNamesInAnyCase)
{
    const QByteArray href = "http://example.com/" + QByteArray(300, 'p') + "/x.html";
    const TAttributeList a = FirstTag("<a hReF=\"" + href +
                                      "\" TaRgEt='a\tb<c\x93"
                                      "d' NAMEX=1 name=\"  42% \">");
    ASSERT_NE(a.Find(HtmlAttr::Href), nullptr);
    EXPECT_EQ(a.Find(HtmlAttr::Href)->Text, QString::fromLatin1(href));
    EXPECT_EQ(a.Find(HtmlAttr::Href)->Value, 0);
    ASSERT_NE(a.Find(HtmlAttr::Target), nullptr);
    EXPECT_EQ(a.Find(HtmlAttr::Target)->Text, QStringLiteral("a b<c\u201Cd"));
    ASSERT_NE(a.Find(HtmlAttr::Name), nullptr);
    EXPECT_EQ(a.Find(HtmlAttr::Name)->Value, 42); // trimmed and without its percent sign
    EXPECT_EQ(a.Count(), 4);                      // NAMEX is no NAME
    EXPECT_EQ(Tokens("<Ahref><bLoCkQuOtE><BLOCKQUOTES>")[0].sym, HtmlSym::Unknown);
    EXPECT_EQ(Tokens("<Ahref><bLoCkQuOtE><BLOCKQUOTES>")[1].sym, HtmlSym::BlockQuote);
    EXPECT_EQ(Tokens("<Ahref><bLoCkQuOtE><BLOCKQUOTES>")[2].sym, HtmlSym::Unknown);
}

TEST(HtmlTokenizer, LineEndsFoldOnceInPreformattedText)
{
    const QByteArray html = "a\r\nb\n\rc\n\nd\te";
    THtmlTokenizer tok(html.constData(), html.size());
    QStringList seen;
    for (tok.NextPreformatted(); tok.Sym() != HtmlSym::Eof; tok.NextPreformatted())
        seen << (tok.Sym() == HtmlSym::Eol ? QStringLiteral("|") : tok.TokenText().toString());
    // The tab is kept for the preformatted line to expand to its tab stop.
    EXPECT_EQ(seen.join(QString()), QStringLiteral("a|b|c||d\te"));
}

TEST(HtmlTokenizer, TextAreaEndsOnlyAtItsOwnEndTag)
{
    const QByteArray html = "one\r\n</textareax> &amp; </TextArea >after";
    THtmlTokenizer tok(html.constData(), html.size());
    const QStringList lines = tok.ReadTextAreaContent();
    EXPECT_EQ(lines, (QStringList{"one", "</textareax> & "}));
    tok.Next();
    EXPECT_EQ(tok.TokenText(), QStringLiteral("after"));
}

TEST(HtmlColours, NamesHexAndRejects)
{
    TColor c = 0;
    ASSERT_TRUE(ParseColour(QStringLiteral("Navy"), c));
    EXPECT_EQ(ColorValue(c), 0x800000u);
    ASSERT_TRUE(ParseColour(QStringLiteral("#00FF80"), c));
    EXPECT_EQ(ColorValue(c), 0x80FF00u);
    EXPECT_TRUE(c & kPaletteRelative);
    ASSERT_TRUE(ParseColour(QStringLiteral("ff0000"), c));
    EXPECT_EQ(ColorValue(c), 0x0000FFu);
    ASSERT_TRUE(ParseColour(QStringLiteral("white"), c));
    EXPECT_EQ(ColorValue(c), 0xFFFFFFu);
    EXPECT_FALSE(ParseColour(QStringLiteral("WHITESMOKE"), c)); // no name of ours, and no number
    EXPECT_FALSE(ParseColour(QStringLiteral("xyz"), c));
    EXPECT_FALSE(ParseColour(QStringLiteral("#"), c));
    EXPECT_FALSE(ParseColour(QStringLiteral("#123456789"), c));

    // Beyond the plain forms: white space round the value, a "#" inside it, non-ASCII text.
    ASSERT_TRUE(ParseColour(QStringLiteral(" #0000ff\t"), c));
    EXPECT_EQ(ColorValue(c), 0xFF0000u);
    ASSERT_TRUE(ParseColour(QStringLiteral("00#FF00"), c));
    EXPECT_EQ(ColorValue(c), 0x00FF00u);
    ASSERT_TRUE(ParseColour(QStringLiteral("AbCdEf"), c));
    EXPECT_EQ(ColorValue(c), 0xEFCDABu);
    EXPECT_FALSE(ParseColour(QStringLiteral("r\u00E9d"), c));
    EXPECT_FALSE(ParseColour(QStringLiteral("12345G"), c));
    EXPECT_FALSE(ParseColour(QString(), c));
}

TEST(HtmlColours, KeywordsInAnyCase)
{
    EXPECT_TRUE(IsKeyword(u"LeFT", QLatin1StringView("left")));
    EXPECT_TRUE(IsKeyword(u"bottom", QLatin1StringView("bottom")));
    EXPECT_FALSE(IsKeyword(u"lefts", QLatin1StringView("left")));
    EXPECT_FALSE(IsKeyword(u"lef", QLatin1StringView("left")));
    EXPECT_FALSE(IsKeyword(u"l\u00E9ft", QLatin1StringView("left")));
    EXPECT_FALSE(IsKeyword(u"", QLatin1StringView("top")));
}

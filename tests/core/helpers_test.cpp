#include "helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using B = QByteArray;
using S = QString;

TEST(Helpers, RPosStartsOneShortOfTheEnd)
{
    // With start 0 a separator at the very end is not found, which the one-folder-up step
    // of ResolveRelativePath relies on.
    EXPECT_EQ(RPos(0, B("C:\\a\\b\\"), B("\\")), 5);
    EXPECT_EQ(RPos(7, B("C:\\a\\b\\"), B("\\")), 7);
    EXPECT_EQ(RPos(4, B("C:\\a\\b\\"), B("\\")), 3);
    EXPECT_EQ(RPos(0, B("abc"), B("x")), 0);
    EXPECT_EQ(RPos(0, B("abcab"), B("ab")), 1); // "ab" at the end is skipped
    EXPECT_EQ(RPos(0, B(""), B("a")), 0);
    EXPECT_EQ(RPos(0, B("abc"), B("")), 0);
    EXPECT_EQ(RPos(0, S("C:\\a\\b\\"), S("\\")), 5);
    EXPECT_EQ(RPos(100, S("a/b"), S("/")), 2);
}

TEST(Helpers, LeftRightMidDrop)
{
    EXPECT_EQ(LeftStr(B("abcdef"), 2), B("ab"));
    EXPECT_EQ(LeftStr(B("ab"), 5), B("ab"));
    EXPECT_EQ(LeftStr(B("ab"), -1), B());
    EXPECT_EQ(RightStr(S("abcdef"), 2), S("ef"));
    EXPECT_EQ(RightStr(S("abcdef"), 0), S());
    EXPECT_EQ(MidStr(B("abcdef"), 2, 3), B("bcd"));
    EXPECT_EQ(MidStr(B("abcdef"), 5, 10), B("ef"));
    EXPECT_EQ(MidStr(B("abcdef"), 7, 1), B());
    EXPECT_EQ(MidStr(B("abcdef"), 0, 2), B("a")); // a start before 1 still counts from 1
    EXPECT_EQ(MidStr(B("abcdef"), -3, 2), B());
    EXPECT_EQ(DropRight(B("abcdef"), 2), B("abcd"));
    EXPECT_EQ(DropRight(B("ab"), 2), B());
    EXPECT_EQ(DropRight(B("ab"), 9), B());
    EXPECT_EQ(DropRight(B("ab"), 0), B("ab"));
}

TEST(Helpers, LeftOfKeepsTheWholeTextWhenTheDelimiterLeads)
{
    EXPECT_EQ(LeftOf(B("name=value"), B("=")), B("name"));
    EXPECT_EQ(LeftOf(B("=value"), B("=")), B("=value"));
    EXPECT_EQ(LeftOf(B("value"), B("=")), B("value"));
    EXPECT_EQ(LeftOf(B("a<!--x-->b<!--y-->"), B("<!--")), B("a"));
    EXPECT_EQ(LeftOf(S("dog.gif"), S(".")), S("dog"));
}

TEST(Helpers, ReplaceAllDoesNotRescanInsertedText)
{
    EXPECT_EQ(ReplaceAll(B("aaa"), B("a"), B("aa")), B("aaaaaa"));
    EXPECT_EQ(ReplaceAll(B("abab"), B("ab"), B("b")), B("bb"));
    EXPECT_EQ(ReplaceAll(B("xAx"), B("a"), B("b")), B("xAx")); // case-sensitive
    EXPECT_EQ(ReplaceAll(B("abc"), B(""), B("z")), B("abc"));
    EXPECT_EQ(ReplaceAll(S("a\\b\\c"), S("\\"), S("/")), S("a/b/c"));
    EXPECT_EQ(ReplaceAllNoCase(B("<body><BODY><Body>"), B("<body>"), B("<B>")), B("<B><B><B>"));
    EXPECT_EQ(ReplaceAllNoCase(B("aAa"), B("a"), B("Aa")), B("AaAaAa"));
    EXPECT_EQ(ReplaceAllNoCase(B("short"), B("longer text"), B("x")), B("short"));
}

TEST(Helpers, ReplaceBetweenVariants)
{
    const B page("<HTML><!--S-->old<!--E-->rest");
    EXPECT_EQ(ReplaceBetween(page, B("<!--S-->"), B("<!--E-->"), B("new")), B("<HTML>newrest"));
    // Without an end marker after the start marker everything from the start on is replaced.
    EXPECT_EQ(ReplaceBetween(B("a<!--E-->b<!--S-->c"), B("<!--S-->"), B("<!--E-->"), B("X")),
              B("a<!--E-->bX"));
    // A missing start marker leaves the text alone.
    EXPECT_EQ(ReplaceBetween(page, B("<!--Q-->"), B("<!--E-->"), B("new")), page);
    // Only the first start marker counts.
    EXPECT_EQ(ReplaceBetween(B("[1][2]"), B("["), B("]"), B("x")), B("x[2]"));
    // An empty end marker: LeftOf(s, start) + insert, which keeps s whole when start leads it.
    EXPECT_EQ(ReplaceBetween(B("ab<c>d"), B("<"), B(""), B("Z")), B("abZ"));
    EXPECT_EQ(ReplaceBetween(B("<c>d"), B("<"), B(""), B("Z")), B("<c>dZ"));
    // Start and end markers that are the same text: the end is searched after the start.
    EXPECT_EQ(ReplaceBetween(B("a|b|c"), B("|"), B("|"), B("-")), B("a-c"));
}

TEST(Helpers, DequoteAndAttributeValues)
{
    EXPECT_EQ(Dequote(B("  \"dog.gif\"  ")), B("dog.gif"));
    EXPECT_EQ(Dequote(B("dog.gif")), B("dog.gif"));
    EXPECT_EQ(Dequote(B("\"")), B());
    EXPECT_EQ(Dequote(B("\"\"")), B());
    EXPECT_EQ(Dequote(S("\t\"a b\"\r\n")), S("a b"));

    const B img("<IMG SRC=\"graphics\\dog.gif\" ALT=\"A dog > cat\" WIDTH=100 BORDER=0>");
    EXPECT_EQ(GetAttributeValue(img, B("SRC")), B("graphics\\dog.gif"));
    EXPECT_EQ(GetAttributeValue(img, B("src")), B("graphics\\dog.gif")); // case-insensitive name
    EXPECT_EQ(GetAttributeValue(img, B("WIDTH")), B("100"));             // unquoted: ends at a space
    EXPECT_EQ(GetAttributeValue(img, B("BORDER")), B("0"));              // unquoted: ends at ">"
    EXPECT_EQ(GetAttributeValue(img, B("HEIGHT")), B());
    // A ">" ends the value even inside quotes; dequoting then drops the opening quote and the
    // last character left (tag texts are cut at their first ">" before they get here anyway).
    EXPECT_EQ(GetAttributeValue(img, B("ALT")), B("A do"));
    // Spaces inside quotes stay; CR and LF end an unquoted value.
    EXPECT_EQ(GetAttributeValue(B("<A HREF=\"my page.html\">"), B("HREF")), B("my page.html"));
    EXPECT_EQ(GetAttributeValue(B("<BODY\r\nBACKGROUND=back.gif\r\nTEXT=\"#000000\">"), B("BACKGROUND")),
              B("back.gif"));
    // The name must be followed by "=" at once.
    EXPECT_EQ(GetAttributeValue(B("<IMG SRC = \"a.gif\">"), B("SRC")), B());
    // An unterminated quoted value runs to the end of the tag text.
    EXPECT_EQ(GetAttributeValue(B("<IMG SRC=\"a b.gif"), B("SRC")), B("a b.gi"));
}

TEST(Helpers, PathJoinAndURLJoin)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(PathJoin(S("C:\\x\\"), S("\\y")), S("C:\\x\\y"));
    EXPECT_EQ(PathJoin(S("C:\\x"), S("y")), S("C:\\x") + sep + S("y"));
    EXPECT_EQ(PathJoin(S("/home/u/"), S("/save")), S("/home/u/save"));
    EXPECT_EQ(PathJoin(S("/home/u/"), S("\\\\save")), S("/home/u/\\save")); // only one separator goes
    EXPECT_EQ(URLJoin(S("http://example.com"), S("a.html")), S("http://example.com/a.html"));
    EXPECT_EQ(URLJoin(B("http://example.com/"), B("a.html")), B("http://example.com/a.html"));
}

TEST(Helpers, StripExtensionLooksOnlyAtTheLastPart)
{
    EXPECT_EQ(StripExtension(S("a.b.zve")), S("a.b"));
    EXPECT_EQ(StripExtension(S("abc")), S("abc"));
    EXPECT_EQ(StripExtension(S("C:\\site\\save\\page.zve")), S("C:\\site\\save\\page"));
    // A dot in a folder name is no extension of a file without one.
    EXPECT_EQ(StripExtension(S("/home/jo.doe/save/page")), S("/home/jo.doe/save/page"));
    EXPECT_EQ(StripExtension(S("C:\\my.site\\page")), S("C:\\my.site\\page"));
    EXPECT_EQ(FileNamePart(S("C:\\a\\b.gif")), S("b.gif"));
    EXPECT_EQ(FileNamePart(S("C:b.gif")), S("b.gif"));
    EXPECT_EQ(FileNamePart(S("/a/b/")), S());
}

TEST(Helpers, MakeRelativePath)
{
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\HTMLFiles\\"), S("")), S());
    // Different starts: the path stays absolute.
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\HTMLFiles\\"), S("D:\\pics\\a.gif")), S("D:\\pics\\a.gif"));
    EXPECT_EQ(MakeRelativePath(S("C"), S("C:\\a.gif")), S("C:\\a.gif"));
    // Below the folder.
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\HTMLFiles\\"), S("C:\\zv\\HTMLFiles\\graphics\\a.gif")),
              S("graphics\\a.gif"));
    // Beside it: one step up per folder left in fromFolder.
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\HTMLFiles\\"), S("C:\\pics\\a.gif")), S("..\\..\\pics\\a.gif"));
    // Folder names that share a beginning are still different folders.
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\HTML\\"), S("C:\\zv\\HTMLFiles\\a.gif")),
              S("..\\HTMLFiles\\a.gif"));
    // The last part of fromFolder without a separator counts as a file name.
    EXPECT_EQ(MakeRelativePath(S("C:\\zv\\page.html"), S("C:\\zv\\graphics\\a.gif")), S("graphics\\a.gif"));
    // Forward slashes are taken as separators.
    EXPECT_EQ(MakeRelativePath(S("/home/u/zv/HTMLFiles/"), S("/home/u/zv/HTMLFiles/backgrnd/s.gif")),
              S("backgrnd\\s.gif"));
    EXPECT_EQ(MakeRelativePath(S("/home/u/zv/HTMLFiles/"), S("/home/u/pics/s.gif")),
              S("..\\..\\pics\\s.gif"));
}

TEST(Helpers, ResolveRelativePath)
{
    const S page("C:\\zv\\HTMLFiles\\page.html");
    EXPECT_EQ(ResolveRelativePath(page, S("graphics\\dog.gif")), S("C:\\zv\\HTMLFiles\\graphics\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(page, S("\"graphics/dog.gif\"")),
              S("C:\\zv\\HTMLFiles\\graphics\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(page, S("dog.gif")), S("C:\\zv\\HTMLFiles\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(page, S("..\\pics\\dog.gif")), S("C:\\zv\\pics\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(page, S("../../dog.gif")), S("C:\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(page, S("D:\\pics\\dog.gif")), S("D:\\pics\\dog.gif"));
    EXPECT_EQ(ResolveRelativePath(S("/home/u/zv/HTMLFiles/page.html"), S("../backgrnd/s.gif")),
              S("\\home\\u\\zv\\backgrnd\\s.gif"));
    // Going up past the top leaves only the rest of the reference.
    EXPECT_EQ(ResolveRelativePath(S("C:\\page.html"), S("..\\..\\a.gif")), S("\\a.gif"));
}

TEST(Helpers, ReadTextFileEndsEveryLineWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("one\ntwo\r\nthree\rfour");
    file.close();
    EXPECT_EQ(ReadTextFile(path), B("one\r\ntwo\r\nthree\r\nfour\r\n"));
    EXPECT_EQ(ReadTextFile(dir.filePath(QStringLiteral("missing.txt"))), B());
    // Empty lines are kept.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("a\n\n\nb\n");
    file.close();
    EXPECT_EQ(ReadTextFile(path), B("a\r\n\r\n\r\nb\r\n"));
}

TEST(Helpers, TemporaryFolderAndPreviewFile)
{
    EXPECT_TRUE(IsPathSeparator(GetTempDir().back()));
    EXPECT_TRUE(PreviewFileName().startsWith(GetTempDir()));
    EXPECT_TRUE(PreviewFileName().endsWith(QStringLiteral("~zvxpreview.html")));
    EXPECT_FALSE(PreviewFileName().contains(GetTempDir() + QDir::separator()));
}

#include "golden.h"
#include "page.h"
#include "pagehtml.h"
#include "samplepage.h"
#include "stringtable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaultTitle = "Zorvin Express Version 1.0 Document";

TStyleChunk sunnyStyle()
{
    TStyleChunk style;
    style.StyleName = "Sunny";
    style.BackImage = "backgrnd\\Stars.GIF";
    style.BackColour = 0x00C0C0C0;
    style.DocColour = 0x00563412;
    return style;
}

QByteArray previewPage(TLogoOption logo, const TWebChunkList &blocks = SamplePage())
{
    TWebChunkList chunks = blocks;
    TPageHTMLSettings settings;
    settings.Logo = logo;
    return BuildPageHTML(chunks, kDefaultTitle, settings);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(PageHTML, EmptyPageWithoutLogoOrStyle)
{
    EXPECT_EQ(LoadStrBytes(104), kDefaultTitle);
    EXPECT_EQ(previewPage(TLogoOption::Off, {}),
              "<HTML>\r\n<HEAD>\r\n<TITLE>Zorvin Express Version 1.0 Document</TITLE>\r\n"
              "<META NAME=\"Generator\" CONTENT=\"Zorvin Express V1.0 (Win95)\">\r\n"
              "<META NAME=\"Description\" CONTENT=\"Zorvin Express Document\">\r\n"
              "</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
}

TEST(PageHTML, EveryKindOfBlockWithTheLogo)
{
    ExpectGolden("sample_preview.html", previewPage(TLogoOption::On));
}

TEST(PageHTML, GeneratingRewritesEachChunksFragment)
{
    TPage page;
    page.setPageTitle("T");
    page.setChunks(SamplePage());
    const QByteArray html = BuildPageHTML(page, TPageHTMLSettings());
    for (const TWebChunk &chunk : page.WebChunks()) {
        EXPECT_FALSE(chunk.HTML.isEmpty());
        // Every fragment is followed by one more line end, so most blocks leave an empty line.
        EXPECT_TRUE(html.contains(chunk.HTML + "\r\n"));
    }
    EXPECT_TRUE(html.endsWith("<CENTER>" + LogoHTML + "</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
}

TEST(PageHTML, PreviewLeavesTheStyleToAddBodyDefAndExportWritesIt)
{
    TWebChunkList chunks;
    const TStyleChunk style = sunnyStyle();
    TPageHTMLSettings settings;
    settings.Style = &style;
    settings.Logo = TLogoOption::Off;
    EXPECT_TRUE(BuildPageHTML(chunks, "t", settings).contains("</HEAD>\r\n<BODY>\r\n</BODY>"));

    settings.Options = boForExport;
    EXPECT_TRUE(BuildPageHTML(chunks, "t", settings)
                    .contains("</HEAD>\r\n" + BuildBodyWithStyle(style) + "\r\n</BODY>"));
}

TEST(PageHTML, BodyTagOfAStyle)
{
    EXPECT_EQ(BuildBodyWithStyle(sunnyStyle()),
              "<BODY BACKGROUND=\"backgrnd/stars.gif\" BGCOLOR=\"#C0C0C0\" TEXT=\"#123456\" LINK=\"#0000FF\" "
              "ALINK=\"#FF0000\" VLINK=\"#FF00FF\">\r\n");
    TStyleChunk plain = sunnyStyle();
    plain.BackImage.clear();
    EXPECT_EQ(BuildBodyWithStyle(plain), "<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"#123456\" LINK=\"#0000FF\" "
                                         "ALINK=\"#FF0000\" VLINK=\"#FF00FF\">\r\n");
}

TEST(AddBodyDef, ReplacesOnlyTheFirstBodyTagAndKeepsHandEdits)
{
    const TStyleChunk style = sunnyStyle();
    QByteArray html = previewPage(TLogoOption::On);
    html.replace("Our dog", "Our dear dog");
    html.replace("</BODY>", "<P>added by hand</P>\r\n<BODY BGCOLOR=red>\r\n</BODY>");
    const QByteArray styled = AddBodyDef(html, &style);

    QByteArray body = BuildBodyWithStyle(style);
    body.chop(2);
    QByteArray expected = html;
    expected.replace(expected.indexOf("<BODY>"), 6, body);
    EXPECT_EQ(styled, expected);

    // "[None]" turns any first body tag back into the plain one.
    EXPECT_EQ(AddBodyDef(styled, nullptr), html);
    EXPECT_EQ(AddBodyDef("<HTML>no body here", &style), "<HTML>no body here");
}

TEST(TitleChange, ReplacesTheFirstTitleElement)
{
    const QByteArray html = previewPage(TLogoOption::Off, {});
    const QByteArray retitled = ChangeTitleHTML(html, "My \xe9 page");
    QByteArray expected = html;
    expected.replace(kDefaultTitle, "My \xe9 page");
    EXPECT_EQ(retitled, expected);

    // A title holding the end marker cuts the rest of that line at the next change.
    const QByteArray odd = ChangeTitleHTML(html, "A</TITLE>B");
    EXPECT_TRUE(odd.contains("<TITLE>A</TITLE>B</TITLE>\r\n"));
    EXPECT_TRUE(ChangeTitleHTML(odd, "C").contains("<TITLE>C</TITLE>B</TITLE>\r\n"));
    EXPECT_EQ(ChangeTitleHTML("<HTML></HTML>", "C"), "<HTML></HTML>");
}

TEST(LogoChange, RemovingAndInsertingAgainLeavesOnlyEmptyLines)
{
    const QByteArray withLogo = previewPage(TLogoOption::On);
    const QByteArray without = ChangeLogoHTML(withLogo, TLogoOption::Off);
    QByteArray expected = withLogo;
    expected.replace("<CENTER>" + LogoHTML + "</CENTER>", "");
    EXPECT_EQ(without, expected);

    const QByteArray again = ChangeLogoHTML(without, TLogoOption::On);
    // The logo returns before the end of the body; the empty line where it stood and the line
    // end that followed the old closing tag stay.
    EXPECT_EQ(again, without.left(without.indexOf("</BODY>")) + "<CENTER>" + LogoHTML +
                         "</CENTER>\r\n</BODY>\r\n</HTML>\r\n\r\n");
    EXPECT_EQ(ChangeLogoHTML(again, TLogoOption::On), again) << "a page shows one logo, never two";
    EXPECT_EQ(ChangeLogoHTML("<HTML>edited</HTML>", TLogoOption::On), "<HTML>edited</HTML>");
    EXPECT_EQ(ChangeLogoHTML("<HTML>edited</HTML>", TLogoOption::Off), "<HTML>edited</HTML>");
}

TEST(PageHTML, ExportCopiesLogoBackgroundAndPictures)
{
    QTemporaryDir program, editor;
    writeFile(program.filePath("HTMLFiles/graphics/button.gif"), "logo");
    writeFile(program.filePath("HTMLFiles/graphics/dog.gif"), "dog");
    writeFile(program.filePath("HTMLFiles/backgrnd/Stars.GIF"), "stars");
    ASSERT_TRUE(QDir(editor.path()).mkpath("HTMLFiles/Graphics"));
    ASSERT_TRUE(QDir(editor.path()).mkpath("HTMLFiles/backgrnd"));

    TWebChunkList chunks = SamplePage();
    const TStyleChunk style = sunnyStyle();
    TPageHTMLSettings settings;
    settings.Options = boForExport | boCopyFiles;
    settings.Style = &style;
    settings.Export = {program.path(), editor.path()};
    const QByteArray html = BuildPageHTML(chunks, "t", settings);
    EXPECT_TRUE(html.contains("BACKGROUND=\"backgrnd/stars.gif\""));
    EXPECT_EQ(ReadSourceFile(editor.filePath("HTMLFiles/Graphics/Button.gif")), "logo");
    EXPECT_EQ(ReadSourceFile(editor.filePath("HTMLFiles/Graphics/dog.gif")), "dog");
    EXPECT_EQ(ReadSourceFile(editor.filePath("HTMLFiles/backgrnd/Stars.GIF")), "stars");
    EXPECT_FALSE(QFile::exists(editor.filePath("HTMLFiles/Graphics/cat.jpg")));
}

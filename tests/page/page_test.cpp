#include "page.h"
#include "pagefile.h"
#include "pagehtml.h"
#include "qtprinters.h"
#include "samplepage.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TStyleChunk oceanStyle()
{
    TStyleChunk style;
    style.StyleName = "Ocean";
    style.BackColour = 0x00FF8000;
    return style;
}

const QByteArray kOceanBody = "<BODY BGCOLOR=\"#0080FF\" TEXT=\"#000000\" LINK=\"#0000FF\" "
                              "ALINK=\"#FF0000\" VLINK=\"#FF00FF\">";

// A page of every kind of block, generated with the logo off and no style.
struct GeneratedPage {
    GeneratedPage()
    {
        page.setChunks(SamplePage());
        page.setLogo(TLogoOption::Off);
        page.generateHTML();
    }
    TPage page;
};

TEST(PageModel, ANewPageHasNoHTMLTextUntilItIsGenerated)
{
    TPage page;
    EXPECT_FALSE(page.HTMLGenerated());
    EXPECT_TRUE(page.PageHTML().isEmpty());
    EXPECT_EQ(page.PageTitle(), TPage::defaultTitle());
    EXPECT_EQ(page.StyleName(), QByteArray("[None]"));
    EXPECT_EQ(page.logo(), TLogoOption::On);
    EXPECT_EQ(page.selfCheck(), QStringList());

    // An empty page generates to a page all the same: "not generated" is no empty text.
    page.setLogo(TLogoOption::Off);
    page.generateHTML();
    EXPECT_TRUE(page.HTMLGenerated());
    EXPECT_TRUE(page.PageHTML().contains("\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n"));

    // Discarding it goes back to no text at all, not to some marker text.
    page.discardHTML();
    EXPECT_FALSE(page.HTMLGenerated());
    EXPECT_TRUE(page.PageHTML().isEmpty());
}

TEST(PageModel, GeneratingAppliesTheStyleTheLogoAndTheTitle)
{
    TPage page;
    page.setChunks(SamplePage());
    page.setPageTitle("Shop");
    page.setStyle(oceanStyle());
    page.generateHTML();

    // The same text as the generator and AddBodyDef give by hand.
    TWebChunkList chunks = SamplePage();
    TPageHTMLSettings settings;
    const QByteArray expected = AddBodyDef(BuildPageHTML(chunks, "Shop", settings), &*page.style());
    EXPECT_EQ(page.PageHTML(), expected);
    EXPECT_TRUE(page.PageHTML().contains(kOceanBody + "\r\n"));
    EXPECT_TRUE(page.PageHTML().contains("<CENTER>" + LogoHTML + "</CENTER>"));
    // Generating is the program's own doing: the page does not count as changed by it.
    EXPECT_FALSE(page.PageModified());
    EXPECT_EQ(page.selfCheck(), QStringList());
}

TEST(PageModel, WithoutATextThePageIsGeneratedForEachUseOnly)
{
    TPage page;
    page.setChunks(SamplePage());
    page.setStyle(oceanStyle());
    const QByteArray forTheFile = page.currentHTML();
    EXPECT_TRUE(forTheFile.contains(kOceanBody));
    EXPECT_FALSE(page.HTMLGenerated());
    // The external preview of the build stage shows the page with a plain body.
    const QByteArray plain = page.buildHTML(TPage::TBodyStyle::Plain);
    EXPECT_TRUE(plain.contains("\r\n<BODY>\r\n"));
    EXPECT_FALSE(page.HTMLGenerated());

    page.generateHTML();
    page.editHTML("<HTML>mine</HTML>");
    EXPECT_EQ(page.currentHTML(), QByteArray("<HTML>mine</HTML>"));
}

TEST(PageModel, HandEditsStayThroughTitleStyleAndLogoChangesUntilRegenerated)
{
    GeneratedPage generated;
    TPage &page = generated.page;
    QSignalSpy htmlChanges(&page, &TPage::htmlChanged);
    QByteArray text = page.PageHTML();
    text.replace("</BODY>", "<P>hand made</P>\r\n</BODY>");
    page.editHTML(text);
    EXPECT_TRUE(page.HTMLHandEdited());
    // Editing the HTML is not stored in documents, so the page does not count as changed.
    EXPECT_FALSE(page.PageModified());

    page.changeTitle("New title");
    EXPECT_TRUE(page.PageHTML().contains("<TITLE>New title</TITLE>"));
    EXPECT_TRUE(page.PageModified());

    page.chooseStyle(oceanStyle());
    EXPECT_TRUE(page.PageHTML().contains(kOceanBody + "\r\n"));

    page.changeLogo(TLogoOption::On);
    EXPECT_TRUE(page.PageHTML().contains("<CENTER>" + LogoHTML + "</CENTER>\r\n</BODY>"));
    page.changeLogo(TLogoOption::Off);
    EXPECT_FALSE(page.PageHTML().contains(LogoHTML));

    EXPECT_TRUE(page.PageHTML().contains("<P>hand made</P>"));
    EXPECT_EQ(htmlChanges.count(), 5);
    // The preview showing the page anew arms the question again, but keeps the text.
    EXPECT_TRUE(page.HTMLHandEdited());
    page.previewShown();
    EXPECT_FALSE(page.HTMLHandEdited());
    EXPECT_TRUE(page.PageHTML().contains("<P>hand made</P>"));

    page.editHTML(page.PageHTML() + "<!-- again -->");
    page.generateHTML();
    EXPECT_FALSE(page.HTMLHandEdited());
    EXPECT_FALSE(page.PageHTML().contains("hand made"));
    EXPECT_TRUE(page.PageHTML().contains("<TITLE>New title</TITLE>"));
    EXPECT_EQ(page.selfCheck(), QStringList());
}

TEST(PageModel, ChangesWithoutATextOnlyRecordTheChoice)
{
    TPage page;
    page.changeTitle("Before generating");
    page.chooseStyle(oceanStyle());
    page.changeLogo(TLogoOption::Off);
    EXPECT_FALSE(page.HTMLGenerated());
    EXPECT_EQ(page.PageTitle(), QByteArray("Before generating"));
    EXPECT_EQ(page.StyleName(), QByteArray("Ocean"));
    EXPECT_TRUE(page.PageModified());

    // Plain setters are what a loader uses: they touch neither the text nor the changed flag.
    page.generateHTML();
    page.setPageModified(false);
    const QByteArray text = page.PageHTML();
    page.setPageTitle("Loaded");
    page.setStyle(std::nullopt);
    page.setLogo(TLogoOption::On);
    EXPECT_EQ(page.PageHTML(), text);
    EXPECT_FALSE(page.PageModified());
    // Applying the style afterwards is what the preview does.
    page.applyStyle();
    EXPECT_TRUE(page.PageHTML().contains("\r\n<BODY>\r\n"));
}

TEST(PageModel, ClearingEmptiesThePageButLeavesStyleTextAndFlagToTheCaller)
{
    GeneratedPage generated;
    TPage &page = generated.page;
    page.setStyle(oceanStyle());
    page.setPageTitle("Old");
    page.setPageModified(true);
    QSignalSpy cleared(&page, &TPage::cleared);
    QSignalSpy logo(&page, &TPage::logoChanged);
    page.clear();
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_TRUE(page.WebChunks().empty());
    EXPECT_EQ(page.PageTitle(), TPage::defaultTitle());
    ASSERT_EQ(logo.count(), 1);
    EXPECT_EQ(page.logo(), TLogoOption::On);
    EXPECT_EQ(page.StyleName(), QByteArray("Ocean"));
    EXPECT_TRUE(page.HTMLGenerated());
    EXPECT_TRUE(page.PageModified());
}

TEST(PageModel, BlocksOfNoKnownKindNeverReachThePage)
{
    TPage page;
    QSignalSpy appended(&page, &TPage::chunkAppended);
    EXPECT_TRUE(page.appendChunk(NewWebChunk(bkLink)));
    TWebChunk strange; // no record, so of no known kind
    EXPECT_FALSE(page.appendChunk(strange));
    ASSERT_EQ(appended.count(), 1);
    EXPECT_EQ(appended[0][0].toInt(), 0);

    page.setChunks({strange, NewWebChunk(bkPara), strange});
    ASSERT_EQ(page.WebChunks().size(), 1u);
    EXPECT_EQ(page.WebChunks()[0].Kind(), bkPara);
    EXPECT_EQ(page.selfCheck(), QStringList());
}

TEST(PageModel, TheSelfCheckNamesBrokenInvariants)
{
    TPage page;
    page.setChunks({NewWebChunk(bkPara), NewWebChunk(bkLine)});
    // A block emptied in place past the model holds no record any more.
    page.editableChunks()[1] = TWebChunk{};
    TStyleChunk nameless = oceanStyle();
    nameless.StyleName.clear();
    page.setStyle(nameless);
    const QStringList problems = page.selfCheck();
    ASSERT_EQ(problems.size(), 2) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(problems[0], QStringLiteral("block 1 holds no record"));
    EXPECT_TRUE(problems[1].contains(QStringLiteral("style has no name")));
}

TEST(PageModel, SignalsTellWhatChangedAndOnlyWhenItDid)
{
    TPage page;
    QSignalSpy title(&page, &TPage::titleChanged);
    QSignalSpy style(&page, &TPage::styleChanged);
    QSignalSpy modified(&page, &TPage::modifiedChanged);
    QSignalSpy html(&page, &TPage::htmlChanged);
    page.setPageTitle(TPage::defaultTitle());
    page.setStyle(std::nullopt);
    page.setPageModified(false);
    page.discardHTML();
    EXPECT_EQ(title.count() + style.count() + modified.count() + html.count(), 0);

    page.changeTitle("T");
    page.chooseStyle(oceanStyle());
    page.chooseStyle(oceanStyle());
    EXPECT_EQ(title.count(), 1);
    EXPECT_EQ(style.count(), 1);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(html.count(), 0);
}

TEST(PageFile, WritesExactlyTheBytesAndReplacesTheOldFile)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("index.html"));
    ASSERT_TRUE(SavePageFile(path, QByteArray(5000, 'x')));
    QByteArray bytes("<HTML>\r\n\0\xFF</HTML>\r\n", 19);
    ASSERT_TRUE(SavePageFile(path, bytes));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_FALSE(SavePageFile(temp.filePath(QStringLiteral("missing/index.html")), bytes));
}

} // namespace

#include "stringtable.h"
#include "stylesamplehtml.h"
#include "tpageviewer.h"
#include "wizardfixture.h"

#include <QFileInfo>

TEST_F(StyleWizardTest, ADamagedStylesFileStillOpensAndIsRewrittenWhole)
{
    // The second style is cut off in the middle of its colours.
    QByteArray bytes = StylesBytes(threeStyles());
    const QByteArray oneStyle = StylesBytes({threeStyles()[0]});
    bytes.truncate(oneStyle.size() + 20);
    writeStylesBytes(bytes);
    open();
    click("radModify");
    click("NextButt");
    EXPECT_EQ(listItems(), QStringList{"Ocean"});
    click("BackButt");
    click("radAdd");
    click("NextButt");
    typeName("Repaired");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    TStyleChunk repaired;
    repaired.StyleName = "Repaired";
    EXPECT_EQ(savedStyles(), (TStyleList{threeStyles()[0], repaired}));
}

TEST_F(StyleWizardTest, AMissingOrEmptyStylesFileGivesAnEmptyListAndCanBeWritten)
{
    for (const bool empty : {false, true}) {
        if (empty)
            writeStylesBytes(QByteArray());
        open();
        click("radDelete");
        click("NextButt");
        EXPECT_TRUE(listItems().isEmpty());
        click("butDelete"); // nothing to delete: nothing happens
        EXPECT_FALSE(wizard().StylesChanged());
        click("BackButt");
        click("radAdd");
        click("NextButt");
        typeName("First");
        m_prompts.answer(TMsgResult::Yes);
        click("FinishButt");
        EXPECT_EQ(names(savedStyles()), QStringList{"First"});
        QFile::remove(stylesPath());
    }
}

TEST_F(StyleWizardTest, AFailedWriteIsReportedAndTheWizardStaysOpen)
{
    // A folder in the place of the styles file: nothing can be read there and nothing written,
    // whatever rights the test runs with.
    ASSERT_TRUE(QDir().mkpath(stylesPath()));
    open();
    click("NextButt");
    typeName("Unsaved");
    m_prompts.answer(TMsgResult::Yes);
    m_prompts.answer(TMsgResult::Ok);
    click("FinishButt");
    ASSERT_EQ(m_prompts.asked().size(), 2);
    EXPECT_EQ(m_prompts.asked().last().msgKind, TMsgKind::Error);
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_EQ(page(), "tab2");
    EXPECT_TRUE(QFileInfo(stylesPath()).isDir());
}

TEST_F(StyleWizardTest, AChosenPictureIsCopiedIntoTheBackgroundFolder)
{
    writeStyles(threeStyles());
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("Stars.gif"));
    QFile picture(outside);
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("GIF89a-not-really");
    picture.close();

    open();
    click("NextButt");
    typeName("Night");
    m_prompts.chooseFile(outside);
    click("spdImgFile");
    const ScriptedPrompts::Asked &dialog = m_prompts.asked().last();
    EXPECT_EQ(dialog.kind, ScriptedPrompts::Asked::OpenFile);
    EXPECT_EQ(QDir(dialog.request.folder).canonicalPath(), QDir(htmlFolder() + "/backgrnd").canonicalPath());
    EXPECT_EQ(dialog.request.filter, "JPG Files (*.jpg)|*.jpg|GIF Files (*.gif)|*.gif");

    // Regression: the copy kept the name "Stars.gif" while the page refers to "backgrnd/stars.gif",
    // which a file system or web server that tells letter cases apart does not find.
    EXPECT_EQ(child<QLineEdit>("txtImgFilename")->text(), "backgrnd\\stars.gif");
    QFile copy(htmlFolder() + "/backgrnd/stars.gif");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "GIF89a-not-really");
    EXPECT_TRUE(
        wizard().SampleHTML().contains("<BODY BACKGROUND=\"backgrnd\\stars.gif\" BGCOLOR=\"C0C0C0\""));

    // A picture that lies in the folder already is taken as it is.
    m_prompts.chooseFile(htmlFolder() + "/backgrnd/stars.gif");
    click("spdImgFile");
    EXPECT_EQ(child<QLineEdit>("txtImgFilename")->text(), "backgrnd\\stars.gif");
    EXPECT_EQ(QDir(htmlFolder() + "/backgrnd").entryList(QDir::Files), QStringList{"stars.gif"});
    // One that lies there under a name with capitals gets its lower-case copy.
    ASSERT_TRUE(QFile::copy(outside, htmlFolder() + "/backgrnd/Moon.GIF"));
    m_prompts.chooseFile(htmlFolder() + "/backgrnd/Moon.GIF");
    click("spdImgFile");
    EXPECT_EQ(child<QLineEdit>("txtImgFilename")->text(), "backgrnd\\moon.gif");
    EXPECT_TRUE(QFileInfo::exists(htmlFolder() + "/backgrnd/moon.gif"));

    click("butClear");
    EXPECT_TRUE(child<QLineEdit>("txtImgFilename")->text().isEmpty());
    EXPECT_FALSE(wizard().SampleHTML().contains("BACKGROUND"));

    m_prompts.chooseFile(outside);
    click("spdImgFile");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    EXPECT_EQ(savedStyles().back().BackImage, "backgrnd\\stars.gif");
}

TEST_F(StyleWizardTest, APictureThatCannotBeCopiedLeavesTheFieldAsItWas)
{
    writeStyles(threeStyles());
    open();
    modifyStyle(1);
    m_prompts.cancelFile();
    click("spdImgFile");
    m_prompts.chooseFile(m_folder.filePath("gone.jpg"));
    m_prompts.answer(TMsgResult::Ok);
    click("spdImgFile");
    EXPECT_EQ(m_prompts.asked().last().msgKind, TMsgKind::Error);
    EXPECT_EQ(child<QLineEdit>("txtImgFilename")->text(), "backgrnd\\sand.gif");
    EXPECT_FALSE(wizard().StylesChanged());
}

TEST_F(StyleWizardTest, TheSamplePageShowsTheEditedStyleLive)
{
    writeStyles(threeStyles());
    open();
    click("NextButt");
    const QString sampleFile = htmlFolder() + "/~tmpprvw.html";
    auto readSample = [&] {
        QFile file(sampleFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(readSample(), StyleSampleHTML(TStyleChunk()));
    auto *viewer = child<TPageViewer>("ctlHTML");
    EXPECT_EQ(QFileInfo(viewer->CurrentFile()).canonicalFilePath(),
              QFileInfo(sampleFile).canonicalFilePath());

    m_prompts.pickColour(0x00563412);
    click("pnlBack");
    EXPECT_TRUE(readSample().contains("BGCOLOR=\"123456\""));
    EXPECT_EQ(readSample(), wizard().SampleHTML());
}

TEST(StyleSampleHTML, IsTheFixedSamplePageInTheStylesColours)
{
    TStyleChunk style;
    style.BackImage = "backgrnd\\stars.gif";
    style.BackColour = 0x00400000;
    style.DocColour = 0x00FFFFFF;
    style.StandardColour = 0x0000FFFF;
    style.ActiveColour = 0x00563412;
    style.VisitedColour = 0x00C0C0C1;
    const QByteArray expected = "<HTML>\r\n"
                                "<BODY BACKGROUND=\"backgrnd\\stars.gif\" BGCOLOR=\"000040\" TEXT=\"FFFFFF\" "
                                "LINK=\"FFFF00\" ALINK=\"123456\" VLINK=\"C1C0C0\">\r\n"
                                "<CENTER><BOLD>\r\n"
                                "<P><BR><FONT COLOR=\"FFFFFF\"> Document Text </FONT>\r\n"
                                "<P> <FONT COLOR=\"FFFF00\"> Standard Link </FONT>\r\n"
                                "<P> <FONT COLOR=\"123456\"> Active Link </FONT>\r\n"
                                "<P> <FONT COLOR=\"C1C0C0\"> Visited Link </FONT>\r\n"
                                "</CENTER></BOLD>\r\n"
                                "</BODY>\r\n"
                                "</HTML>";
    EXPECT_EQ(StyleSampleHTML(style), expected);
    EXPECT_TRUE(
        StyleSampleHTML(TStyleChunk()).startsWith("<HTML>\r\n<BODY BGCOLOR=\"C0C0C0\" TEXT=\"000000\""));
}

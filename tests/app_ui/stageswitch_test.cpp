#include "artpicture.h"
#include "builderdocument.h"
#include "mainwindowfixture.h"
#include "pagehtml.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

using StageSwitch = MainWindowFixture;

QRect highlight(const MainWindowFixture &f)
{
    return f.find("picRedPill")->geometry();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST_F(StageSwitch, StartsInTheChooseStageUntitled)
{
    TfrmMain &w = open();
    EXPECT_EQ(w.CurrentStage(), stChoose);
    EXPECT_TRUE(find("pnlChoose")->isVisible());
    for (const char *hidden : {"pnlBuild", "pnlView", "pnlSend"})
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zorvin Express - Untitled"));
    EXPECT_EQ(highlight(*this), QRect(0, 0, 146, 96));
    EXPECT_EQ(find<TArtPicture>("picRedPill")->picture(), QStringLiteral("Toolbutt1"));
    EXPECT_FALSE(find<QAction>("ExternalPreview1")->isEnabled());
    EXPECT_EQ(find<QMenu>("mnuFile")->title(), LoadStr(5061));
    EXPECT_EQ(find<QAction>("menFileMake")->text(), LoadStr(5066));
}

TEST_F(StageSwitch, ToolbarZonesPickTheStageAndMoveTheHighlight)
{
    TfrmMain &w = open();
    clickToolbar(140);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_TRUE(find("pnlBuild")->isVisible());
    EXPECT_EQ(highlight(*this), QRect(103, 0, 170, 96));
    EXPECT_EQ(find<TArtPicture>("picRedPill")->picture(), QStringLiteral("Toolbutt2"));

    clickToolbar(419);
    EXPECT_EQ(w.CurrentStage(), stPreview);
    EXPECT_TRUE(find("pnlView")->isVisible());
    EXPECT_FALSE(find("pnlBuild")->isVisible());
    EXPECT_EQ(highlight(*this), QRect(230, 0, 170, 96));
    EXPECT_TRUE(find<QAction>("ExternalPreview1")->isEnabled());

    // A click on the highlight itself still reaches the toolbar below it: x = 250 lies on the
    // preview button's highlight but in the build zone.
    clickToolbar(250);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    clickToolbar(0);
    EXPECT_EQ(w.CurrentStage(), stChoose);
    EXPECT_EQ(highlight(*this), QRect(0, 0, 146, 96));
}

TEST_F(StageSwitch, OnlyLeftClicksUpToX480Count)
{
    TfrmMain &w = open();
    clickToolbar(481);
    EXPECT_EQ(w.CurrentStage(), stChoose);
    clickToolbar(600);
    EXPECT_EQ(w.CurrentStage(), stChoose);
    clickToolbar(200, Qt::RightButton);
    EXPECT_EQ(w.CurrentStage(), stChoose);
    EXPECT_TRUE(prompts.asked().isEmpty());

    // x = 480 is still the send button: an untitled page must be saved first.
    prompts.chooseFile(home + QStringLiteral("save/First.zve"));
    clickToolbar(480);
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_EQ(highlight(*this), QRect(354, 0, 170, 96));
}

TEST_F(StageSwitch, SendingAnUntitledPageAsksToSaveAndCancelStays)
{
    TfrmMain &w = open();
    clickToolbar(150);
    prompts.cancelFile();
    clickToolbar(430);
    ASSERT_EQ(prompts.messages(), QStringList{LoadStr(100)});
    EXPECT_EQ(prompts.asked().at(0).msgKind, TMsgKind::Warning);
    // Saving an untitled document for the first time shows the File Save Information first.
    EXPECT_EQ(prompts.asked().at(1).kind, ScriptedPrompts::Asked::SaveInformation);
    EXPECT_EQ(prompts.asked().at(2).kind, ScriptedPrompts::Asked::SaveFile);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_EQ(highlight(*this), QRect(103, 0, 170, 96));
    EXPECT_TRUE(find("pnlBuild")->isVisible());
    EXPECT_TRUE(w.document().DocFileName().isEmpty());
}

TEST_F(StageSwitch, SendingChangesAsksMessage101)
{
    TfrmMain &w = open();
    const QString path = home + QStringLiteral("save/Page.zve");
    prompts.chooseFile(path);
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    clickToolbar(150);
    w.page().setPageTitle("Changed");
    w.page().setPageModified(true);

    prompts.clear();
    prompts.answer(TMsgResult::Cancel);
    clickToolbar(450);
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(101)});
    EXPECT_EQ(prompts.asked().at(0).buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_TRUE(w.page().PageModified());

    // OK, then cancelling the save dialog, still stays.
    prompts.clear();
    prompts.answer(TMsgResult::Ok);
    prompts.cancelFile();
    clickToolbar(450);
    EXPECT_EQ(w.CurrentStage(), stBuild);

    // OK and a name: the document is saved, the page file written, the stage entered.
    prompts.clear();
    prompts.answer(TMsgResult::Ok);
    prompts.chooseFile(path);
    QFile::remove(home + QStringLiteral("HTMLFiles/Page.html"));
    clickToolbar(450);
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_FALSE(w.page().PageModified());
    EXPECT_EQ(prompts.asked().at(1).request.fileName, path);
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("HTMLFiles/Page.html")));
    EXPECT_TRUE(find("pnlSend")->isVisible());
}

TEST_F(StageSwitch, SendingASavedUnchangedPageAsksNothingAndWritesThePageFile)
{
    TfrmMain &w = open();
    prompts.chooseFile(home + QStringLiteral("save/Index.zve"));
    clickToolbar(450);
    clickToolbar(150);
    QFile::remove(home + QStringLiteral("HTMLFiles/Index.html"));
    prompts.clear();
    clickToolbar(450);
    EXPECT_TRUE(prompts.asked().isEmpty());
    EXPECT_EQ(w.CurrentStage(), stSend);
    QFile page(home + QStringLiteral("HTMLFiles/Index.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // The generated page, with the title of the untouched document.
    EXPECT_TRUE(page.readAll().contains("<TITLE>" + LoadStrBytes(104) + "</TITLE>"));
}

TEST_F(StageSwitch, HandEditedHtmlAsksBeforeGoingBackToBuild)
{
    TfrmMain &w = open();
    clickToolbar(300);
    auto *memo = find<QPlainTextEdit>("memHTML");
    memo->setFocus();
    prompts.answerHTMLChangeAlert(TMsgResult::Yes);
    QTest::keyClicks(memo, "<P>mine</P>");
    const QString edited = memo->toPlainText();
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::HTMLChangeAlert), 1);
    prompts.clear();

    prompts.answer(TMsgResult::No);
    clickToolbar(150);
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(102)});
    EXPECT_EQ(prompts.asked().at(0).buttons, TMsgButtons::YesNo);
    EXPECT_EQ(w.CurrentStage(), stPreview);
    EXPECT_EQ(memo->toPlainText(), edited);
    EXPECT_EQ(highlight(*this), QRect(230, 0, 170, 96));

    prompts.answer(TMsgResult::Yes);
    clickToolbar(150);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    // Regenerating the preview forgets the hand edits, so the question is not asked again.
    clickToolbar(300);
    clickToolbar(150);
    EXPECT_EQ(prompts.messages().size(), 2);
}

TEST_F(StageSwitch, BackFromSendingKeepsTheEditedHtml)
{
    TfrmMain &w = open();
    prompts.answerHTMLChangeAlert(TMsgResult::Yes);
    prompts.chooseFile(home + QStringLiteral("save/Edit.zve"));
    clickToolbar(300);
    auto *memo = find<QPlainTextEdit>("memHTML");
    QTest::keyClicks(memo, "hand edit");
    const QString edited = memo->toPlainText();
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    clickToolbar(300);
    EXPECT_EQ(w.CurrentStage(), stPreview);
    EXPECT_EQ(memo->toPlainText(), edited);
}

// The stage being left is asked before the target: the gallery entry is loaded first, so the
// send stage's save gate saves the entry's page, not the page the window had before.
TEST_F(StageSwitch, AGalleryEntryIsLoadedBeforeTheSendStageAsksToSaveIt)
{
    TBlockHeading heading;
    heading.Text = "From the gallery";
    ASSERT_TRUE(WriteDocument(home + QStringLiteral("template/Club.zvt"), QByteArray(), "Club",
                              {MakeWebChunk(heading)}));
    TfrmMain &w = open();
    auto *gallery = find<QListWidget>("lvTemplates");
    ASSERT_EQ(gallery->count(), 1);
    gallery->setCurrentRow(0);
    prompts.chooseFile(home + QStringLiteral("save/Club.zve"));
    clickToolbar(450);
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(100)});
    const TDocumentRead read = ReadDocument(home + QStringLiteral("save/Club.zve"));
    ASSERT_EQ(read.Chunks.size(), 1u);
    EXPECT_EQ(read.Title, QByteArray("Club"));
    EXPECT_TRUE(fileBytes(home + QStringLiteral("HTMLFiles/Club.html")).contains("From the gallery"));
}

TEST_F(StageSwitch, TheSendStagesLogoOptionRewritesThePageAndItsFile)
{
    TfrmMain &w = open();
    prompts.chooseFile(home + QStringLiteral("save/Logo.zve"));
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    const QString pageFile = home + QStringLiteral("HTMLFiles/Logo.html");
    EXPECT_TRUE(fileBytes(pageFile).contains(LogoHTML));

    auto *logo = find<QCheckBox>("chkLogo");
    ASSERT_TRUE(logo->isChecked());
    QTest::mouseClick(logo, Qt::LeftButton, Qt::NoModifier, QPoint(8, logo->height() / 2));
    EXPECT_EQ(w.page().logo(), TLogoOption::Off);
    EXPECT_FALSE(w.page().PageHTML().contains(LogoHTML));
    EXPECT_EQ(fileBytes(pageFile), w.page().PageHTML());
    // The logo is no part of the builder document, so there is nothing new to save.
    EXPECT_FALSE(w.page().PageModified());

    // The preview shows the text as the send stage left it.
    clickToolbar(300);
    EXPECT_FALSE(w.page().PageHTML().contains(LogoHTML));
    // A new page starts with the logo again, and the box follows.
    trigger("mnuFileNew");
    EXPECT_EQ(w.page().logo(), TLogoOption::On);
    EXPECT_TRUE(logo->isChecked());
}

TEST_F(StageSwitch, EnlargingThePreviewDisablesTheFileMenu)
{
    open();
    auto *view = find<TArtPicture>("imgView");
    EXPECT_EQ(view->picture(), QStringLiteral("Max_Dis"));
    QTest::mouseClick(view, Qt::LeftButton);
    EXPECT_TRUE(find<QMenu>("mnuFile")->isEnabled());

    clickToolbar(300);
    EXPECT_EQ(view->picture(), QStringLiteral("Max_Up"));
    QTest::mousePress(view, Qt::LeftButton);
    EXPECT_EQ(view->picture(), QStringLiteral("Max_Dn"));
    QTest::mouseRelease(view, Qt::LeftButton);
    EXPECT_EQ(view->picture(), QStringLiteral("Min_Up"));
    EXPECT_FALSE(find<QMenu>("mnuFile")->isEnabled());

    QTest::mouseClick(view, Qt::LeftButton);
    EXPECT_EQ(view->picture(), QStringLiteral("Max_Up"));
    EXPECT_TRUE(find<QMenu>("mnuFile")->isEnabled());
}

TEST_F(StageSwitch, BuildHintBlinksUntilTheFirstBlock)
{
    open();
    clickToolbar(150);
    QWidget *hint = find("lblBuildRight");
    EXPECT_TRUE(hint->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(hint->isHidden(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(hint->isVisible(), 3000);
}

} // namespace

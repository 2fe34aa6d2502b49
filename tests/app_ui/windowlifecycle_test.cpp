#include "appmessagefilter.h"
#include "artpicture.h"
#include "builderdocument.h"
#include "buildstage.h"
#include "mainwindowfixture.h"
#include "stringtable.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>

namespace {

using WindowLifecycle = MainWindowFixture;

TWebChunkList twoBlocks()
{
    TWebChunk heading;
    heading.Record = TBlockHeading{};
    heading.Heading()->Text = "Welcome";
    TWebChunk para;
    para.Record = TBlockPara{};
    para.Para()->Text = "Hello\r\nthere";
    return {heading, para};
}

TEST_F(WindowLifecycle, ADocumentOnTheCommandLineOpensInTheBuildStage)
{
    const QString path = home + QStringLiteral("save/Start.zve");
    ASSERT_TRUE(WriteDocument(path, "[None]", "My page", twoBlocks()));
    TfrmMain &w = open(path);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_EQ(w.document().DocFileName(), path);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zorvin Express - Start.zve"));
    ASSERT_EQ(w.page().WebChunks().size(), 2u);
    EXPECT_EQ(w.page().WebChunks()[1].Para()->Text, QByteArray("Hello\r\nthere"));
    EXPECT_EQ(w.page().PageTitle(), QByteArray("My page"));
    EXPECT_FALSE(w.page().PageModified());
    EXPECT_EQ(find<QLineEdit>("txtTitle")->text(), QStringLiteral("My page"));

    // The loading guards are released: typing in a block panel counts as a change again.
    find<TBuildStage>("pnlBuild")->SelectBlock(1);
    auto *paragraph = find("txtParagraph");
    ASSERT_TRUE(paragraph->isVisible());
    QTest::keyClicks(paragraph, "!");
    EXPECT_TRUE(w.page().PageModified());
    w.page().setPageModified(false);

    clickToolbar(300);
    QTest::keyClick(find<QLineEdit>("txtTitle"), Qt::Key_End);
    QTest::keyClicks(find<QLineEdit>("txtTitle"), "!");
    EXPECT_TRUE(w.page().PageModified());
    EXPECT_EQ(w.page().PageTitle(), QByteArray("My page!"));
}

TEST_F(WindowLifecycle, AMissingCommandLineDocumentGivesAnEmptyUntitledPage)
{
    TfrmMain &w = open(home + QStringLiteral("save/Gone.zve"));
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_TRUE(w.document().DocFileName().isEmpty());
    EXPECT_TRUE(w.page().WebChunks().empty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zorvin Express - Untitled"));
}

TEST_F(WindowLifecycle, ClosingWithChangesAsksAndCancelKeepsRunning)
{
    TfrmMain &w = open();
    w.page().setPageModified(true);
    prompts.answer(TMsgResult::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(103)});
    EXPECT_EQ(prompts.asked().at(0).buttons, TMsgButtons::YesNoCancel);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.page().PageModified());

    prompts.answer(TMsgResult::No);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowLifecycle, ClosingWithYesSavesFirstAndStaysOpenWhenThatIsCancelled)
{
    TfrmMain &w = open();
    w.page().setPageModified(true);
    // Regression: cancelling the save after Yes closed the window and lost the work.
    prompts.answer(TMsgResult::Yes);
    prompts.cancelFile();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.page().PageModified());
    // The exit button and File > Exit take the same road.
    prompts.answer(TMsgResult::Yes);
    prompts.cancelFile();
    trigger("menFileExit");
    EXPECT_TRUE(w.isVisible());
    prompts.answer(TMsgResult::Yes);
    prompts.cancelFile();
    QTest::mouseClick(find("imgExit"), Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    w.page().setPageModified(false);
    EXPECT_TRUE(w.close());

    open();
    window->page().setPageModified(true);
    prompts.answer(TMsgResult::Yes);
    prompts.chooseFile(home + QStringLiteral("save/Kept.zve"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("save/Kept.zve")));
}

TEST_F(WindowLifecycle, TheWindowOpensInTheMiddleOfTheScreen)
{
    TfrmMain &w = open();
    // Regression: the splash was centred but the main window opened in the top-left corner.
    const QPoint screenCentre = w.screen()->availableGeometry().center();
    // The window is placed before its frame is known, which may put it off by a few pixels.
    EXPECT_LE((w.frameGeometry().center() - screenCentre).manhattanLength(), 12)
        << w.frameGeometry().center().x() << "," << w.frameGeometry().center().y();
}

TEST_F(WindowLifecycle, FileCommandsHaveTheirStandardKeys)
{
    TfrmMain &w = open();
    for (const char *name : {"mnuFileNew", "menFileOpen", "menFileSave", "menFileSaveAs", "menFileExit"})
        EXPECT_FALSE(find<QAction>(name)->shortcut().isEmpty()) << name;
    EXPECT_EQ(find<QAction>("menFileOpen")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Open));
    QApplication::setActiveWindow(&w);
    QWidget *focus = find("lvTemplates");
    focus->setFocus();

    prompts.cancelFile();
    QTest::keySequence(focus, find<QAction>("menFileOpen")->shortcut());
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::OpenFile), 1);

    w.page().setPageModified(true);
    prompts.answer(TMsgResult::Cancel);
    QTest::keySequence(focus, find<QAction>("menFileExit")->shortcut());
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(103)});
    EXPECT_TRUE(w.isVisible());

    prompts.cancelFile();
    QTest::keySequence(focus, find<QAction>("menFileSaveAs")->shortcut());
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveFile), 1);
}

TEST_F(WindowLifecycle, ClosingRemovesTheExternalPreviewFile)
{
    const QString preview = home + QStringLiteral("HTMLFiles/~tmpprvw.html");
    QFile file(preview);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // Creating the window clears a file left behind by an earlier run.
    TfrmMain &w = open();
    EXPECT_FALSE(QFile::exists(preview));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(QFile::exists(preview));
}

TEST_F(WindowLifecycle, TheQuitMessageEndsWithoutTheSaveQuestion)
{
    TfrmMain &w = open();
    w.page().setPageModified(true);
    w.AppMessage(TAppMessageFilter::kQuitMessage - 1);
    prompts.answer(TMsgResult::Cancel);
    EXPECT_FALSE(w.close());

    w.AppMessage(TAppMessageFilter::kQuitMessage);
    EXPECT_TRUE(w.close()); // no question is scripted, so none may be asked
}

TEST_F(WindowLifecycle, TheExitButtonShowsItsPressedPictureAndCloses)
{
    TfrmMain &w = open();
    auto *exit = find<TArtPicture>("imgExit");
    QTest::mousePress(exit, Qt::LeftButton);
    EXPECT_EQ(exit->picture(), QStringLiteral("Exit_Dn"));
    // Releasing outside the button takes the click back.
    QTest::mouseRelease(exit, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    EXPECT_EQ(exit->picture(), QStringLiteral("Exit_Up"));
    EXPECT_TRUE(w.isVisible());
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowLifecycle, FileExitClosesThroughTheSaveQuestion)
{
    TfrmMain &w = open();
    w.page().setPageModified(true);
    prompts.answer(TMsgResult::Cancel);
    trigger("menFileExit");
    EXPECT_TRUE(w.isVisible());
    prompts.answer(TMsgResult::No);
    trigger("menFileExit");
    EXPECT_FALSE(w.isVisible());
}

} // namespace

namespace {

TEST_F(WindowLifecycle, TheSoundsItemFollowsAndStoresTheSwitch)
{
    setSetting(QStringLiteral("PlaySounds"), QStringLiteral("No"));
    open();
    auto *sounds = find<QAction>("menFileSounds");
    EXPECT_FALSE(sounds->isChecked());
    sounds->trigger();
    EXPECT_TRUE(sounds->isChecked());
    EXPECT_EQ(setting(QStringLiteral("PlaySounds")), QStringLiteral("Yes"));
    sounds->trigger();
    EXPECT_EQ(setting(QStringLiteral("PlaySounds")), QStringLiteral("No"));

    // Anything but "No" counts as on and is written back as "Yes".
    setSetting(QStringLiteral("PlaySounds"), QStringLiteral("maybe"));
    window.reset();
    open();
    EXPECT_TRUE(find<QAction>("menFileSounds")->isChecked());
    EXPECT_EQ(setting(QStringLiteral("PlaySounds")), QStringLiteral("Yes"));
}

} // namespace

#include "frmsaveinfo.h"
#include "mainwindowfixture.h"
#include "recordinghelp.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

using SaveInfo = MainWindowFixture;

TEST_F(SaveInfo, TheDialogShowsItsTextsAndReportsTheTickOnlyWithOK)
{
    TfrmSaveInfo dialog;
    EXPECT_EQ(dialog.windowTitle(), LoadStr(700));
    EXPECT_EQ(dialog.findChild<QLabel *>("lblMessage")->text(), LoadStr(701));
    // Closing it without the button answers Cancel, whatever the box says.
    dialog.findChild<QCheckBox *>("chkShow")->setChecked(true);
    dialog.reject();
    EXPECT_EQ(dialog.answer().result, TMsgResult::Cancel);
    EXPECT_FALSE(dialog.answer().dontShowAgain);

    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnJoy"), Qt::LeftButton);
    EXPECT_EQ(dialog.answer().result, TMsgResult::Ok);
    EXPECT_TRUE(dialog.answer().dontShowAgain);
    EXPECT_FALSE(dialog.isVisible());
    // The dialog itself stores nothing; the command that showed it does.
    EXPECT_NE(setting(QStringLiteral("SaveInfo")), QStringLiteral("No"));
}

TEST_F(SaveInfo, TickingTheBoxStopsTheDialogForSaveAndSaveAs)
{
    open();
    prompts.answerSaveInformation();
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveInformation), 1);
    EXPECT_NE(setting(QStringLiteral("SaveInfo")), QStringLiteral("No"));

    prompts.answerSaveInformation(TMsgResult::Ok, true);
    prompts.cancelFile();
    trigger("menFileSave");
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveInformation), 2);
    EXPECT_EQ(setting(QStringLiteral("SaveInfo")), QStringLiteral("No"));

    // A later run asks no more, for either command.
    window.reset();
    open();
    prompts.cancelFile();
    trigger("menFileSave");
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveInformation), 2);
}

TEST_F(SaveInfo, ClosingTheDialogOtherwiseWritesNothing)
{
    open();
    prompts.answerSaveInformation(TMsgResult::Cancel, true);
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::SaveInformation), 1);
    EXPECT_NE(setting(QStringLiteral("SaveInfo")), QStringLiteral("No"));
}

} // namespace

TEST(SaveInfoLink, OpensTheTutorialOnLinkingPagesAsAFullTopic)
{
    TRecordingHelp help;
    TfrmSaveInfo dialog;
    emit dialog.findChild<QLabel *>("lblLink")->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(help.requests(), (QList<TRecordingHelp::Request>{{TRecordingHelp::Kind::Topic, 102, {}}}));
}

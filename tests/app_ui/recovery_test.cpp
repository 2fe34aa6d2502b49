#include "mainwindowfixture.h"

#include <QFile>
#include <QProcess>

#include <csignal>

namespace {

class RecoveryTest : public MainWindowFixture {
protected:
    // Runs the program with unsaved edits in this test's program folder and kills it with
    // SIGKILL once it has kept its recovery copy.
    void killProgramWithUnsavedEdits()
    {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(RECOVERY_CHILD_PATH), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        QByteArray said;
        while (!said.contains("kept") && program.waitForReadyRead(20000))
            said += program.readAllStandardOutput();
        ASSERT_TRUE(said.contains("kept")) << "the program never kept a recovery copy";
        ::kill(pid_t(program.processId()), SIGKILL);
        ASSERT_TRUE(program.waitForFinished(10000));
        ASSERT_EQ(program.exitStatus(), QProcess::CrashExit);
    }
    QString copyPath() const { return home + QStringLiteral("recovery/recovery.zve"); }
};

} // namespace

TEST_F(RecoveryTest, AKilledProgramsPageComesBackOnTheNextStart)
{
    killProgramWithUnsavedEdits();
    ASSERT_TRUE(QFile::exists(copyPath()));

    prompts.answer(TMsgResult::Yes);
    TfrmMain &w = open();
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked().at(0).buttons, TMsgButtons::YesNo);
    EXPECT_TRUE(prompts.asked().at(0).text.contains(QStringLiteral("untitled page")));

    EXPECT_EQ(w.page().PageTitle(), QByteArray("Lost and found"));
    ASSERT_EQ(w.page().WebChunks().size(), 2u);
    EXPECT_EQ(w.page().WebChunks()[1].Para()->Text, QByteArray("Three weeks by the sea."));
    // Restored as untitled and unsaved: Save asks for a name, and leaving asks to save.
    EXPECT_TRUE(w.document().DocFileName().isEmpty());
    EXPECT_TRUE(w.page().PageModified());
    EXPECT_EQ(w.CurrentStage(), stBuild);
    // The copy stays until the page is saved or dropped, so a second crash loses nothing.
    EXPECT_TRUE(QFile::exists(copyPath()));
}

TEST_F(RecoveryTest, DecliningTheRestoreDeletesTheCopy)
{
    killProgramWithUnsavedEdits();

    prompts.answer(TMsgResult::No);
    TfrmMain &w = open();
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_TRUE(w.page().WebChunks().empty());
    EXPECT_FALSE(w.page().PageModified());
    EXPECT_FALSE(QFile::exists(copyPath()));
}

#include "frmsaveinfo.h"
#include "mainwindowfixture.h"
#include "recordinghelp.h"
#include "stringtable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class SaveInfo : public MainWindowFixture {
public:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        setSetting(QStringLiteral("SaveInfo"), QStringLiteral("Yes"));
        open();
    }

    // Answers the modal dialog once it is up; how tells what to do with it.
    enum class TAnswer { TickAndOk, Ok, Escape };
    void answerDialog(TAnswer how)
    {
        QTimer::singleShot(0, [this, how] {
            auto *dialog = qobject_cast<TfrmSaveInfo *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "the File Save Information dialog is not shown";
                return;
            }
            ++shown;
            EXPECT_EQ(dialog->windowTitle(), LoadStr(700));
            EXPECT_EQ(dialog->findChild<QLabel *>("lblMessage")->text(), LoadStr(701));
            if (how == TAnswer::Escape) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            if (how == TAnswer::TickAndOk)
                dialog->findChild<QCheckBox *>("chkShow")->setChecked(true);
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnJoy"), Qt::LeftButton);
        });
    }

    int shown = 0;
};

TEST_F(SaveInfo, TickingTheBoxStopsTheDialogForSaveAndSaveAs)
{
    answerDialog(TAnswer::Ok);
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(setting(QStringLiteral("SaveInfo")), QStringLiteral("Yes"));

    answerDialog(TAnswer::TickAndOk);
    prompts.cancelFile();
    trigger("menFileSave");
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(setting(QStringLiteral("SaveInfo")), QStringLiteral("No"));

    // A later run asks no more, for either command.
    window.reset();
    open();
    prompts.cancelFile();
    trigger("menFileSave");
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(shown, 2);
}

TEST_F(SaveInfo, ClosingTheDialogOtherwiseWritesNothing)
{
    answerDialog(TAnswer::Escape);
    prompts.cancelFile();
    trigger("menFileSaveAs");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(setting(QStringLiteral("SaveInfo")), QStringLiteral("Yes"));
}

} // namespace

TEST(SaveInfoLink, OpensTheTutorialOnLinkingPagesAsAFullTopic)
{
    TRecordingHelp help;
    TfrmSaveInfo dialog;
    emit dialog.findChild<QLabel *>("lblLink")->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(help.requests(), (QList<TRecordingHelp::Request>{{TRecordingHelp::Kind::Topic, 102, {}}}));
}

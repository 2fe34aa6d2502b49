#include "frmserverwizard.h"
#include "sendfixture.h"
#include "settings.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The send stage's server box, file list, logo option and web, without uploading.

TEST_F(SendStageTest, TheLastServerChosenIsSelectedAndOnlyTheUsersChoiceIsRemembered)
{
    WriteSetting("WWWServers", "LastServer", "Bravo");
    TfrmMain &w = openOnSendStage({server("Alpha"), server("Bravo"), server("Charlie")});
    EXPECT_EQ(stage()->cmbServers->currentText(), "Bravo");

    // A remembered server that is gone: the first is selected, and nothing is written for it.
    WriteSetting("WWWServers", "LastServer", "Gone");
    clickToolbar(150);
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    EXPECT_EQ(stage()->cmbServers->currentText(), "Alpha");
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Gone");

    stage()->cmbServers->setCurrentIndex(2);
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Charlie");
}

TEST_F(SendStageTest, TheLogoOptionRewritesThePageFileAtOnce)
{
    openOnSendStage({server("Alpha")});
    auto *chkLogo = stage()->chkLogo;
    ASSERT_TRUE(chkLogo->isChecked());
    ASSERT_TRUE(readFile("HTMLFiles/My Page.html").contains("graphics/button.gif"));

    click(chkLogo);
    EXPECT_FALSE(chkLogo->isChecked());
    const QByteArray without = readFile("HTMLFiles/My Page.html");
    EXPECT_FALSE(without.contains("button.gif"));
    EXPECT_TRUE(without.contains("</BODY>"));
    EXPECT_EQ(files(), QStringList{"My Page.html"});

    click(chkLogo);
    EXPECT_TRUE(readFile("HTMLFiles/My Page.html").contains("<CENTER><BR><BR><A HREF="));
    EXPECT_EQ(files(), (QStringList{"graphics/button.gif", "My Page.html"}));
}

TEST_F(SendStageTest, FilesThatAreNeverSentAreListedWithTheReason)
{
    TfrmMain &w = openOnSendStage({server("Alpha")});
    // A page edited by hand that points at a private file outside the HTML folder.
    w.page().editHTML(
        "<HTML><BODY><IMG SRC=\"../../secret.txt\"><IMG SRC=\"graphics/button.gif\"></BODY></HTML>");
    w.document().savePageFile();
    ASSERT_EQ(files().size(), 3);
    EXPECT_TRUE(files()[0].startsWith("../../secret.txt ("));
    EXPECT_TRUE(files()[0].contains("not sent"));
    EXPECT_EQ(files()[1], "graphics/button.gif");
}

TEST_F(SendStageTest, ProblemsReadingTheServersAndDefinitionsAreShownOnce)
{
    ASSERT_TRUE(QDir().mkpath(home + "servers/folder.inf"));
    QFile inf(home + "servers/anon.inf");
    ASSERT_TRUE(inf.open(QIODevice::WriteOnly));
    inf.write("[ISP]\r\nAddress=ftp.anon.test\r\n");
    inf.close();
    WriteSetting("WWWServers/Damaged", "Address", "ftp.damaged.test");
    WriteSetting("WWWServers/Damaged", "Password", "12,secret,34");
    WriteSetting("WWWServers/Damaged", "FlatDir", "yes");

    TfrmMain &w = openOnSendStage({});
    ASSERT_FALSE(enterAsked.isEmpty());
    const QString warning = enterAsked.last().text;
    EXPECT_EQ(enterAsked.last().msgKind, TMsgKind::Warning);
    // One message, after the save question, holds them all.
    EXPECT_EQ(std::count_if(enterAsked.begin(), enterAsked.end(),
                            [](const ScriptedPrompts::Asked &a) {
                                return a.kind == ScriptedPrompts::Asked::Message && a.text != LoadStr(100);
                            }),
              1);
    EXPECT_TRUE(warning.contains("Damaged")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("folder.inf"));
    EXPECT_TRUE(warning.contains("anon.inf"));
    EXPECT_TRUE(warning.contains("FlatDir"));
    EXPECT_FALSE(warning.contains("secret")) << "a stored password must never be shown";
    // The damaged server is still offered, read as well as it could be.
    EXPECT_EQ(serverNames(), QStringList{"Damaged"});

    prompts.clear();
    clickToolbar(150);
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(SendStageTest, AServerAddedInTheWizardIsOfferedAtOnce)
{
    openOnSendStage({server("Alpha")});
    bool wizardShown = false;
    QTimer::singleShot(0, [&] {
        auto *wizard = qobject_cast<TfrmServerWizard *>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        wizardShown = true;
        auto press = [wizard](const char *name) {
            QTest::mouseClick(wizard->findChild<QPushButton *>(name), Qt::LeftButton);
        };
        auto type = [wizard](const char *name, const QString &text) {
            QTest::keyClicks(wizard->findChild<QLineEdit *>(name), text);
        };
        press("NextButt");
        press("NextButt");
        type("txtName", "Beta");
        type("txtAddress", "ftp.beta.test");
        type("txtLogin", "jo");
        type("txtPassword", "pw");
        prompts.answer(TMsgResult::Yes);
        press("FinishButt");
    });
    click(stage()->spdEditWWW);
    EXPECT_TRUE(wizardShown);
    EXPECT_EQ(serverNames(), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(LoadServers().size(), 2);
}

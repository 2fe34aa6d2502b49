#include "helpers.h"
#include "sendfixture.h"
#include "settings.h"

// Uploading from the send stage to a real FTP server on the loopback address.

TEST_F(SendStageTest, ThePickedServerGetsThePageAndTheUserIsCongratulated)
{
    TTestFtpServer ftp;
    TBrowserRecorder browser;
    TfrmMain &w = openOnSendStage({server("Elsewhere"), server("Loopback", ftp.Address())});
    ASSERT_EQ(serverNames(), (QStringList{"Elsewhere", "Loopback"}));
    EXPECT_EQ(stage()->cmbServers->currentText(), "Elsewhere");
    // The page is listed last although it is sent first.
    EXPECT_EQ(files(), (QStringList{"graphics/button.gif", "My Page.html"}));
    EXPECT_TRUE(w.findChild<QWidget *>("lblUpDesc")->isVisible());
    EXPECT_EQ(find<QLabel>("lblUpDesc")->text(), LoadStr(5004));

    stage()->cmbServers->setCurrentIndex(1);
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Loopback");

    prompts.answerUploadSuccess(false);
    upload();
    EXPECT_EQ(prompts.messages(), QStringList());
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::UploadSuccess), 1);
    EXPECT_EQ(ftp.Files(), (QStringList{"site/MyPage.html", "site/graphics/button.gif"}));
    EXPECT_EQ(ftp.FileBytes("site/graphics/button.gif"), readFile("HTMLFiles/graphics/button.gif"));
    EXPECT_EQ(w.CurrentStage(), stUploaded);
    EXPECT_TRUE(find("pnlSend")->isVisible());
    // The user's page sits under the magnifier, and the page picture is gone from the web.
    EXPECT_EQ(web()->WebIndex(), 7);
    EXPECT_TRUE(find("imgYourPage")->isVisible());
    EXPECT_FALSE(web()->imgUpload->isVisible());
    EXPECT_EQ(web()->lblMag->text(), LoadStr(5078));
    EXPECT_NE(setting("ShowJoy"), "No");

    // Clicking it opens the page where the server shows it, through the redirect page.
    click(find("imgYourPage"));
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toLocalFile(), PreviewFileName());
    QFile redirect(PreviewFileName());
    ASSERT_TRUE(redirect.open(QIODevice::ReadOnly));
    EXPECT_EQ(redirect.readAll(), "<html>\r\n"
                                  "<head><meta http-equiv=\"refresh\" content=\"0; "
                                  "URL=http://pages.example.test/~anna/MyPage.html\">\r\n"
                                  "<title>Preview</title>\r\n</head>\r\n<BODY>\r\n</body>\r\n</html>\r\n");
}

TEST_F(SendStageTest, AFailingLoginEndsWithItsMessageAndBringsThePageBack)
{
    TTestFtpServer ftp;
    tWWWServerType bad = server("Loopback", ftp.Address());
    bad.Password = "wrong";
    TfrmMain &w = openOnSendStage({bad});
    prompts.answer(TMsgResult::Ok);
    upload();
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(212)});
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::UploadSuccess), 0);
    EXPECT_EQ(w.CurrentStage(), stSend);
    EXPECT_TRUE(web()->imgUpload->isVisible());
    EXPECT_FALSE(web()->Uploaded());
    EXPECT_EQ(ftp.Files(), QStringList());
}

TEST_F(SendStageTest, TickingDontShowAgainSuppressesTheCongratulationsLater)
{
    TTestFtpServer ftp;
    TfrmMain &w = openOnSendStage({server("Loopback", ftp.Address())});
    prompts.answerUploadSuccess(true);
    upload();
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::UploadSuccess), 1);
    EXPECT_EQ(setting("ShowJoy"), "No");

    // Back to the send stage: the page flashes again and a second upload is not congratulated,
    // while the user's page stays part of the web.
    clickToolbar(450);
    ASSERT_EQ(w.CurrentStage(), stSend);
    EXPECT_TRUE(web()->imgUpload->isVisible());
    EXPECT_TRUE(stage()->isFlashing());
    EXPECT_EQ(web()->WebIndex(), -1);
    EXPECT_FALSE(find("imgYourPage")->isVisible());
    upload();
    EXPECT_EQ(prompts.count(ScriptedPrompts::Asked::UploadSuccess), 1);
    EXPECT_EQ(w.CurrentStage(), stUploaded);
    EXPECT_TRUE(web()->Uploaded());

    // Now the user's page takes its turn in the web: right of it comes the maker's logo, and
    // left of the maker's logo the user's page again.
    web()->rotate(false);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !web()->isRotating(); }, 5000));
    EXPECT_EQ(web()->WebIndex(), 0);
    web()->rotate(true);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !web()->isRotating(); }, 5000));
    EXPECT_EQ(web()->WebIndex(), 7);
    EXPECT_TRUE(find("imgYourPage")->isVisible());
}

TEST_F(SendStageTest, WithoutServersThePageAsksForOne)
{
    openOnSendStage({});
    EXPECT_EQ(stage()->cmbServers->count(), 0);
    click(web()->imgUpload);
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(35)});
    EXPECT_FALSE(web()->isAnimatingUpload());
    EXPECT_TRUE(web()->imgUpload->isVisible());
}

TEST(SendStageAlone, AnUntitledPageMustBeSavedBeforeItIsSent)
{
    // The window only enters the send stage with a saved document; the stage itself still
    // refuses to send a page that has no file, after asking for a server first.
    TempSettings settings;
    TZorvinReg::createProductKey();
    QTemporaryDir home;
    qputenv("ZORVIN_HOME", (home.path() + "/").toLocal8Bit());
    ScriptedPrompts prompts;
    TPageDocument document;
    {
        TSendStage stage(document);
        stage.enterStage();
        QTest::mouseClick(stage.web()->imgUpload, Qt::LeftButton);
        EXPECT_EQ(prompts.messages(), QStringList{LoadStr(35)});
    }
    prompts.clear();
    tWWWServerType server;
    server.Name = "Somewhere";
    server.Address = "ftp.example.test";
    ASSERT_TRUE(SaveServers({server}));
    TSendStage stage(document);
    stage.enterStage();
    EXPECT_EQ(stage.cmbServers->currentText(), "Somewhere");
    EXPECT_EQ(stage.lstFiles->count(), 0);
    QTest::mouseClick(stage.web()->imgUpload, Qt::LeftButton);
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(34)});
    EXPECT_FALSE(stage.web()->isAnimatingUpload());
}

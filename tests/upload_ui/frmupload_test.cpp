#include "frmupload.h"
#include "scriptedprompts.h"
#include "stringtable.h"
#include "uploadfixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The upload window over a real server: it starts by itself once shown, reports through its
// status line and progress bar, puts problems to the user and closes at the end.
class FrmUploadTest : public UploadFolderTest {
protected:
    static void Quick(TfrmUpload &frm)
    {
        frm.job().ftp().ConnectTimeout = 30;
        frm.job().ftp().ResponseTimeout = 30;
    }
};

TEST_F(FrmUploadTest, ShowsItsCaptionsAndUploadsWhenShown)
{
    TTestFtpServer server;
    ScriptedPrompts prompts;
    TfrmUpload frm(input(server));
    EXPECT_EQ(frm.windowTitle(), LoadStr(200));
    EXPECT_EQ(frm.lblUpProgress->text(), LoadStr(201));
    EXPECT_EQ(frm.lblUpFTPStat->text(), LoadStr(202));
    EXPECT_EQ(frm.butCancel->text(), LoadStr(7));
    EXPECT_TRUE(frm.lblFTPStatus->text().isEmpty());
    EXPECT_FALSE(frm.imgLogo->pixmap().isNull());
    EXPECT_FALSE(frm.Succeeded());

    EXPECT_EQ(frm.exec(), QDialog::Accepted);
    EXPECT_TRUE(frm.Succeeded());
    EXPECT_FALSE(frm.Cancelled());
    EXPECT_EQ(frm.lblFTPStatus->text(), QLatin1Char(' ') + LoadStr(211));
    EXPECT_EQ(frm.pbProgress->maximum(), 4);
    EXPECT_EQ(frm.pbProgress->value(), 4);
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), readFile("HTMLFiles/graphics/dog.gif"));
}

TEST_F(FrmUploadTest, ProblemsAreShownAsMessages)
{
    TTestFtpServer server;
    {
        ScriptedPrompts prompts;
        prompts.answer(TMsgResult::Ok);
        TUploadInput in = input(server);
        in.Password = QStringLiteral("wrong");
        TfrmUpload frm(in);
        EXPECT_EQ(frm.exec(), QDialog::Rejected);
        EXPECT_FALSE(frm.Succeeded());
        EXPECT_EQ(prompts.messages(), QStringList{LoadStr(212)});
        ASSERT_EQ(prompts.asked().size(), 1);
        EXPECT_EQ(prompts.asked()[0].msgKind, TMsgKind::Error);
    }
    {
        ScriptedPrompts prompts;
        prompts.answer(TMsgResult::Ok);
        TUploadInput in = input(server, QStringLiteral("newsite"));
        in.UserName = QStringLiteral("nomkd");
        in.Password = QStringLiteral("secret");
        TfrmUpload frm(in);
        frm.exec();
        EXPECT_EQ(prompts.messages(),
                  QStringList{QStringLiteral("Couldn''t change to the specified directory.\r\n"
                                             "Please check your directory details and try again.")});
    }
}

TEST_F(FrmUploadTest, CancelWhileConnectingClosesTheWindowQuietly)
{
    TTestFtpServer server({QStringLiteral("--silent")});
    ScriptedPrompts prompts;
    TfrmUpload frm(input(server));
    Quick(frm);
    QString statusWhileWaiting;
    bool visibleWhileWaiting = false;
    // The window keeps handling events while the job waits for the server: this click is one.
    QTimer::singleShot(300, &frm, [&] {
        statusWhileWaiting = frm.lblFTPStatus->text();
        visibleWhileWaiting = frm.isVisible();
        QTest::mouseClick(frm.butCancel, Qt::LeftButton);
    });
    EXPECT_EQ(frm.exec(), QDialog::Rejected);
    EXPECT_EQ(statusWhileWaiting, QLatin1Char(' ') + LoadStr(204) + server.Address());
    EXPECT_TRUE(visibleWhileWaiting);
    EXPECT_TRUE(frm.Cancelled());
    EXPECT_FALSE(frm.Succeeded());
    EXPECT_EQ(frm.lblFTPStatus->text(), QStringLiteral(" Connection to Web Server cancelled."));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(FrmUploadTest, CancelHasTheFocusAndItsKeyStopsTheWait)
{
    TTestFtpServer server({QStringLiteral("--silent")});
    ScriptedPrompts prompts;
    TfrmUpload frm(input(server));
    Quick(frm);
    QWidget *focused = nullptr;
    QTimer::singleShot(300, &frm, [&] {
        focused = frm.focusWidget();
        if (focused)
            QTest::keyClick(focused, Qt::Key_Space);
    });
    EXPECT_EQ(frm.exec(), QDialog::Rejected);
    EXPECT_EQ(focused, frm.butCancel);
    EXPECT_TRUE(frm.Cancelled());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(FrmUploadTest, EscapeMidFileCancelsTheUpload)
{
    writeFile(QStringLiteral("HTMLFiles/graphics/dog.gif"), pictureBytes(2 * 1024 * 1024, 9));
    TTestFtpServer server({QStringLiteral("--throttle"), QStringLiteral("65536")});
    ScriptedPrompts prompts;
    TfrmUpload frm(input(server));
    Quick(frm);
    QObject::connect(&frm.job().ftp(), &TFtpControl::fileProgress, &frm, [&](qint64 sent, qint64 total) {
        if (sent > 0 && sent < total)
            QTest::keyClick(&frm, Qt::Key_Escape);
    });
    EXPECT_EQ(frm.exec(), QDialog::Rejected);
    EXPECT_TRUE(frm.Cancelled());
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_TRUE(server.Has(QStringLiteral("site/graphics/dog.gif")));
    EXPECT_LT(server.FileBytes("site/graphics/dog.gif").size(), 2 * 1024 * 1024);
    EXPECT_FALSE(server.Has(QStringLiteral("site/graphics/my cat.jpg")));
}

#include "connectiontest.h"
#include "ftpcontrol.h"
#include "testftpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

// Trying a server's details against real servers: what worked or what failed, in words.
class ConnectionTest : public ::testing::Test {
protected:
    static TUploadInput details(const TTestFtpServer &server, const QString &directory = QString())
    {
        TUploadInput in;
        in.Address = server.Address();
        in.Directory = directory;
        in.UserName = QString::fromLatin1(TTestFtpServer::User);
        in.Password = QString::fromLatin1(TTestFtpServer::Password);
        return in;
    }

    TConnectionReport test(const TUploadInput &in, const QString &caInfo = QString())
    {
        TFtpControl ftp;
        ftp.ConnectTimeout = 5;
        ftp.ResponseTimeout = 10;
        ftp.CAInfo = caInfo;
        const TConnectionReport result = TestServerConnection(in, ftp);
        // Whatever happened, nothing stays open.
        EXPECT_FALSE(ftp.Connected());
        return result;
    }
};

TEST_F(ConnectionTest, ListsTheFolderOfAWorkingServer)
{
    TTestFtpServer server;
    ASSERT_TRUE(QDir(server.Root()).mkpath("site/graphics"));
    QFile page(server.Root() + "/site/index.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    const TConnectionReport inFolder = test(details(server, "site"));
    EXPECT_EQ(inFolder.Verdict, TConnectionVerdict::Works) << inFolder.Text.toStdString();
    EXPECT_TRUE(inFolder.ok());
    EXPECT_EQ(inFolder.Entries, 2);
    EXPECT_EQ(inFolder.Text, "It works! Logged in and found the folder \"site\"; it holds 2 items.");

    const TConnectionReport login = test(details(server));
    EXPECT_EQ(login.Verdict, TConnectionVerdict::Works);
    EXPECT_EQ(login.Entries, 1);
    EXPECT_EQ(login.Text, "It works! Logged in and found your login folder; it holds 1 item.");
}

TEST_F(ConnectionTest, AMissingFolderIsReportedAndNeverMade)
{
    TTestFtpServer server;
    TUploadInput in = details(server, "www");
    const TConnectionReport created = test(in);
    EXPECT_EQ(created.Verdict, TConnectionVerdict::FolderWillBeCreated) << created.Text.toStdString();
    EXPECT_TRUE(created.ok());
    EXPECT_TRUE(created.Text.contains("\"www\""));

    // A server that keeps every file in one folder never gets it made: that is a real problem.
    in.FlatDir = true;
    const TConnectionReport missing = test(in);
    EXPECT_EQ(missing.Verdict, TConnectionVerdict::FolderMissing) << missing.Text.toStdString();
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.Text.contains("not found"));
    EXPECT_FALSE(QFileInfo::exists(server.Root() + "/www"));
}

TEST_F(ConnectionTest, RefusedLoginsAndTlsAreNamed)
{
    TTestFtpServer server;
    TUploadInput in = details(server, "site");
    in.Password = "not the password";
    const TConnectionReport refused = test(in);
    EXPECT_EQ(refused.Verdict, TConnectionVerdict::LoginRefused) << refused.Text.toStdString();
    EXPECT_TRUE(refused.Text.contains("password"));
    EXPECT_FALSE(refused.Text.contains("not the password"));

    // "ftps://" asks for TLS; this server offers none.
    in = details(server);
    in.Address = "ftps://" + server.Address();
    const TConnectionReport plain = test(in);
    EXPECT_EQ(plain.Verdict, TConnectionVerdict::TlsRefused) << plain.Text.toStdString();
    EXPECT_FALSE(plain.ok());
}

TEST_F(ConnectionTest, TlsServersWorkAndUntrustedCertificatesAreNamed)
{
    TTestFtpServer server({"--tls-required"});
    TUploadInput in = details(server);
    in.Address = "ftps://" + server.Address();
    EXPECT_EQ(test(in, server.Certificate()).Verdict, TConnectionVerdict::Works);
    const TConnectionReport untrusted = test(in);
    EXPECT_EQ(untrusted.Verdict, TConnectionVerdict::CertificateRefused) << untrusted.Text.toStdString();
}

TEST_F(ConnectionTest, AddressesThatLeadNowhere)
{
    TUploadInput in;
    EXPECT_EQ(test(in).Verdict, TConnectionVerdict::NoAddress);

    // A port where a server was a moment ago, and is no longer.
    QString closed;
    {
        TTestFtpServer gone;
        closed = gone.Address();
    }
    in.Address = closed;
    const TConnectionReport noAnswer = test(in);
    EXPECT_EQ(noAnswer.Verdict, TConnectionVerdict::NoAnswer) << noAnswer.Text.toStdString();
    EXPECT_TRUE(noAnswer.Text.contains("127.0.0.1"));

    in.Address = "no-such-host.invalid";
    const TConnectionReport unknown = test(in);
    EXPECT_EQ(unknown.Verdict, TConnectionVerdict::HostNotFound) << unknown.Text.toStdString();
    EXPECT_TRUE(unknown.Text.contains("could not be found"));

    in.Address = "127.0.0.1:99999";
    EXPECT_EQ(test(in).Verdict, TConnectionVerdict::BadAddress);
}

TEST_F(ConnectionTest, AbortStopsATestThatWaitsOnASilentServer)
{
    TTestFtpServer server({"--silent"});
    TFtpControl ftp;
    ftp.ConnectTimeout = 30;
    QTimer::singleShot(300, [&ftp] { ftp.Abort(); });
    QElapsedTimer clock;
    clock.start();
    const TConnectionReport result = TestServerConnection(details(server), ftp);
    EXPECT_EQ(result.Verdict, TConnectionVerdict::Cancelled) << result.Text.toStdString();
    EXPECT_LT(clock.elapsed(), 5000);
}

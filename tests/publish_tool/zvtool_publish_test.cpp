#include "builderdocument.h"
#include "serverstore.h"
#include "tempsettings.h"
#include "testftpserver.h"
#include "zorvinreg.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PublishRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A program folder with a saved document "my page.zve" whose page shows a picture, and one stored
// server pointing at a real FTP server on the loopback address.
class ZvtoolPublish : public ::testing::Test {
protected:
    static constexpr const char *ServerName = "Test site";

    void SetUp() override
    {
        QDir root(m_home.path());
        ASSERT_TRUE(root.mkpath("HTMLFiles/graphics"));
        ASSERT_TRUE(root.mkpath("save"));
        m_picture = QByteArray("GIF89a\r\n\n\r", 10) + QByteArray(4000, '\x01') + QByteArray("\0\xff\r\n", 4);
        writeFile("HTMLFiles/graphics/dog.gif", m_picture);
        QFile logo(QStringLiteral(ZV_SOURCE_ROOT "/data/HTMLFiles/graphics/button.gif"));
        ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
        m_logo = logo.readAll();
        writeFile("HTMLFiles/graphics/button.gif", m_logo);

        TWebChunkList chunks;
        TWebChunk heading;
        TBlockHeading headingRecord;
        headingRecord.Text = "Welcome to my dog";
        heading.Record = headingRecord;
        chunks.push_back(heading);
        TWebChunk image;
        TBlockImage imageRecord;
        imageRecord.FileName = "graphics\\dog.gif"; // as the picture chooser stores it
        image.Record = imageRecord;
        chunks.push_back(image);
        ASSERT_TRUE(WriteDocument(document(), "[None]", "Dog page", chunks));

        TZorvinReg::createProductKey();
        storeServer(QString::fromLatin1(TTestFtpServer::Password));
    }

    QString document() const { return m_home.filePath("save/my page.zve"); }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile f(m_home.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void storeServer(const QString &password)
    {
        tWWWServerType server;
        server.Name = ServerName;
        server.Address = m_ftp.Address();
        server.Directory = "site";
        server.UserName = TTestFtpServer::User;
        server.Password = password;
        tWWWServerType other;
        other.Name = "Other site";
        other.Address = "ftp.other.test";
        ASSERT_TRUE(SaveServers({server, other}));
    }

    PublishRun publish(const QStringList &args, const QByteArray &input = QByteArray())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_settings.folder());
        env.insert("ZORVIN_HOME", m_home.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZVTOOL_PATH), QStringList{"publish"} + args);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(120000);
        PublishRun run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                       process.readAllStandardOutput(), process.readAllStandardError()};
        // Whatever happened, the password never shows.
        EXPECT_FALSE(run.out.contains(TTestFtpServer::Password)) << run.out.constData();
        EXPECT_FALSE(run.err.contains(TTestFtpServer::Password)) << run.err.constData();
        return run;
    }

    TempSettings m_settings;
    QTemporaryDir m_home;
    TTestFtpServer m_ftp;
    QByteArray m_picture;
    QByteArray m_logo;
};

TEST_F(ZvtoolPublish, SendsThePageAndItsPicturesWithTheStoredServer)
{
    const PublishRun run = publish({document(), "--server", ServerName});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("Connecting to " + m_ftp.Address().toLatin1())) << run.out.constData();
    EXPECT_TRUE(run.out.contains("Uploading files to Web Server...")) << run.out.constData();
    EXPECT_TRUE(run.out.contains("Upload Completed.")) << run.out.constData();

    EXPECT_EQ(m_ftp.Files(),
              QStringList({"site/graphics/button.gif", "site/graphics/dog.gif", "site/mypage.html"}));
    EXPECT_EQ(m_ftp.FileBytes("site/graphics/dog.gif"), m_picture);
    EXPECT_EQ(m_ftp.FileBytes("site/graphics/button.gif"), m_logo);
    // The page was generated from the document into the HTML folder, and that is what went up.
    QFile page(m_home.filePath("HTMLFiles/my page.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray local = page.readAll();
    EXPECT_TRUE(local.contains("<IMG SRC=\"graphics/dog.gif\">")) << local.constData();
    EXPECT_TRUE(local.contains("Welcome to my dog"));
    const QByteArray remote = m_ftp.FileBytes("site/mypage.html");
    EXPECT_TRUE(remote.contains("Welcome to my dog"));
    EXPECT_FALSE(remote.contains("\r\r\n"));

    // What was sent is remembered where the program keeps it, so a second run sends no picture.
    EXPECT_TRUE(QFile::exists(m_settings.folder() + "/Pellory/Zorvin Express/uploads.ini"));
    QFile::remove(m_ftp.Root() + "/site/mypage.html");
    const PublishRun again = publish({document(), "--server", ServerName, "--no-logo"});
    ASSERT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_TRUE(again.out.contains("1 unchanged picture(s)")) << again.out.constData();
    EXPECT_FALSE(m_ftp.FileBytes("site/mypage.html").contains("button.gif"));
}

TEST_F(ZvtoolPublish, RefusedLoginFailsWithTheLoginMessage)
{
    storeServer("wrong password");
    const PublishRun run = publish({document(), "--server", ServerName});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Couldn't log in.")) << run.err.constData();
    EXPECT_FALSE(run.out.contains("Upload Completed."));
    EXPECT_FALSE(run.err.contains("wrong password"));
    EXPECT_TRUE(m_ftp.Files().isEmpty());
}

TEST_F(ZvtoolPublish, PasswordFromStandardInputTakesThePlaceOfTheStoredOne)
{
    storeServer(QString());
    const PublishRun run = publish({document(), "--server", ServerName, "--password-stdin"},
                                   QByteArray(TTestFtpServer::Password) + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(m_ftp.Has("site/mypage.html"));

    // The line given wins over a stored password, and a wrong one is refused.
    storeServer(QString::fromLatin1(TTestFtpServer::Password));
    EXPECT_EQ(publish({document(), "--server", ServerName, "--password-stdin"}, "not it\r\n").exitCode, 1);
    const PublishRun empty = publish({document(), "--server", ServerName, "--password-stdin"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("no password")) << empty.err.constData();
}

TEST_F(ZvtoolPublish, UnknownServersAndUnreadableDocumentsStopBeforeConnecting)
{
    const PublishRun unknown = publish({document(), "--server", "Nowhere"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("no server named \"Nowhere\"")) << unknown.err.constData();
    EXPECT_TRUE(unknown.err.contains("\"Other site\""));

    const PublishRun missing = publish({m_home.filePath("save/none.zve"), "--server", ServerName});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no such document")) << missing.err.constData();

    writeFile("save/junk.zve", "this is not a builder document");
    const PublishRun junk = publish({m_home.filePath("save/junk.zve"), "--server", ServerName});
    EXPECT_EQ(junk.exitCode, 1);
    EXPECT_TRUE(junk.err.contains("junk.zve")) << junk.err.constData();
    // A file that is no document is never overwritten by a page, nor is anything sent.
    EXPECT_FALSE(QFile::exists(m_home.filePath("HTMLFiles/junk.html")));

    EXPECT_EQ(publish({document()}).exitCode, 1);
    EXPECT_TRUE(m_ftp.Files().isEmpty());
}

} // namespace

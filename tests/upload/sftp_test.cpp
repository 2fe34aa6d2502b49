#include "sentpage.h"
#include "stringtable.h"
#include "uploadfixture.h"

#include <QProcess>

namespace {

// A real SFTP server on 127.0.0.1 (sftpserver.py beside this file) with a host key of its own.
class TTestSftpServer {
public:
    explicit TTestSftpServer(const QString &keyFile)
    {
        QDir().mkpath(Root());
        const QString portFile = m_folder.filePath(QStringLiteral("port"));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral(ZV_UPLOAD_TEST_DIR "/sftpserver.py"), Root(), portFile, keyFile});
        const QDeadlineTimer deadline(20000);
        while (!QFile::exists(portFile) && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            QThread::msleep(20);
        QFile file(portFile);
        if (file.open(QIODevice::ReadOnly))
            m_port = file.readAll().trimmed().toInt();
        EXPECT_GT(m_port, 0) << "the test SFTP server did not start";
    }
    ~TTestSftpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    QString Address() const { return QStringLiteral("sftp://127.0.0.1:%1").arg(m_port); }
    QString Root() const { return m_folder.filePath(QStringLiteral("root")); }
    QByteArray FileBytes(const QString &relative) const
    {
        QFile file(Root() + QLatin1Char('/') + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
};

} // namespace

class SftpTest : public UploadFolderTest {
protected:
    TUploadInput sftpInput(const TTestSftpServer &server) const
    {
        TUploadInput in;
        in.Address = server.Address();
        in.Directory = QStringLiteral("site");
        in.UserName = QString::fromLatin1(TTestFtpServer::User);
        in.Password = QString::fromLatin1(TTestFtpServer::Password);
        in.DocFileName = m_dir.filePath(QStringLiteral("save/my page.zve"));
        in.HTMLFolder = m_dir.filePath(QStringLiteral("HTMLFiles")) + QLatin1Char('/');
        in.KnownHostsFile = m_dir.filePath(QStringLiteral("known_hosts"));
        in.UploadRecordFile = m_dir.filePath(QStringLiteral("uploads.json"));
        return in;
    }
    bool run(const TUploadInput &in, QStringList *problems = nullptr, int *unchanged = nullptr)
    {
        TUploadJob job(in);
        job.ftp().ConnectTimeout = 10;
        job.ftp().ResponseTimeout = 20;
        QObject::connect(&job, &TUploadJob::problem, [&](TUploadProblem, const QString &m) {
            if (problems)
                *problems << m;
        });
        const bool ok = job.Run();
        if (unchanged)
            *unchanged = job.UnchangedFiles();
        return ok;
    }
};

TEST_F(SftpTest, UploadsOverSshAndRemembersTheHostKey)
{
    TTestSftpServer server(m_dir.filePath(QStringLiteral("hostkey")));
    const TUploadInput in = sftpInput(server);
    QStringList problems;
    ASSERT_TRUE(run(in, &problems)) << problems.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), readFile("HTMLFiles/graphics/dog.gif"));
    EXPECT_EQ(server.FileBytes("site/graphics/my cat.jpg"), readFile("HTMLFiles/graphics/my cat.jpg"));
    EXPECT_EQ(server.FileBytes("site/backgrnd/stars.gif"), readFile("HTMLFiles/backgrnd/stars.gif"));
    EXPECT_EQ(server.FileBytes("site/mypage.html"), DeclareCharset(m_page)); // SSH has no text mode
    EXPECT_TRUE(readFile("known_hosts").contains("127.0.0.1"));

    // The second time the key is known and matches, and unchanged pictures stay where they are.
    int unchanged = -1;
    EXPECT_TRUE(run(in, nullptr, &unchanged));
    EXPECT_EQ(unchanged, 3);

    TUploadInput wrong = in;
    wrong.Password = QStringLiteral("wrong");
    problems.clear();
    EXPECT_FALSE(run(wrong, &problems));
    EXPECT_EQ(problems, QStringList{LoadStr(212)});
}

TEST_F(SftpTest, AChangedHostKeyIsRefused)
{
    const QString knownHosts = m_dir.filePath(QStringLiteral("known_hosts"));
    TUploadInput in;
    {
        TTestSftpServer first(m_dir.filePath(QStringLiteral("key1")));
        in = sftpInput(first);
        ASSERT_TRUE(run(in));
    }
    // Another server answers at the address that was remembered with the first one's key.
    TTestSftpServer second(m_dir.filePath(QStringLiteral("key2")));
    const QString secondPort = second.Address().section(QLatin1Char(':'), -1);
    const QString firstPort = in.Address.section(QLatin1Char(':'), -1);
    QByteArray hosts = readFile("known_hosts");
    hosts.replace(("[127.0.0.1]:" + firstPort).toLatin1(), ("[127.0.0.1]:" + secondPort).toLatin1());
    writeFile(QStringLiteral("known_hosts"), hosts);
    in.Address = second.Address();

    QStringList problems;
    EXPECT_FALSE(run(in, &problems));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QLatin1String("identity key")));
    EXPECT_TRUE(second.FileBytes("site/mypage.html").isEmpty());
    EXPECT_EQ(readFile("known_hosts"), hosts); // the remembered key is not replaced
}

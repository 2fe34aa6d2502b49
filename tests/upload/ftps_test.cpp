#include "stringtable.h"
#include "uploadfixture.h"

// Servers that speak TLS: "ftps://" insists on it with a certificate that verifies; a bare host
// takes TLS when offered without letting an unverifiable certificate stop the upload.
class FtpsTest : public UploadFolderTest {
protected:
    bool run(const TUploadInput &in, const QString &caInfo, QStringList *problems = nullptr)
    {
        TUploadJob job(in);
        job.ftp().ConnectTimeout = 5;
        job.ftp().ResponseTimeout = 10;
        job.ftp().CAInfo = caInfo;
        QObject::connect(&job, &TUploadJob::problem, [&](TUploadProblem, const QString &m) {
            if (problems)
                *problems << m;
        });
        return job.Run();
    }
};

TEST_F(FtpsTest, RequiredTlsWithATrustedCertificateUploads)
{
    TTestFtpServer server({QStringLiteral("--tls-required")});
    TUploadInput in = input(server);
    in.Address = QStringLiteral("ftps://") + server.Address();
    EXPECT_TRUE(run(in, server.Certificate()));
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), readFile("HTMLFiles/graphics/dog.gif"));
    EXPECT_EQ(server.FileBytes("site/mypage.html").count("\n"), m_page.count("\r\n") + 1);
}

TEST_F(FtpsTest, RequiredTlsRefusesACertificateThatDoesNotVerify)
{
    TTestFtpServer server({QStringLiteral("--tls")});
    TUploadInput in = input(server);
    in.Address = QStringLiteral("ftps://") + server.Address();
    QStringList problems;
    EXPECT_FALSE(run(in, QString(), &problems));
    EXPECT_EQ(problems, QStringList{LoadStr(212)});
    EXPECT_TRUE(server.Files().isEmpty());
}

TEST_F(FtpsTest, BareHostUsesOfferedTlsEvenWithAnUnverifiableCertificate)
{
    // The server refuses plain logins, so success proves TLS was used.
    TTestFtpServer server({QStringLiteral("--tls-required")});
    EXPECT_TRUE(run(input(server), QString()));
    EXPECT_EQ(server.FileBytes("site/graphics/my cat.jpg"), readFile("HTMLFiles/graphics/my cat.jpg"));
}

TEST_F(FtpsTest, RequiredTlsAgainstAPlainServerFails)
{
    TTestFtpServer server;
    TUploadInput in = input(server);
    in.Address = QStringLiteral("ftps://") + server.Address();
    QStringList problems;
    EXPECT_FALSE(run(in, QString(), &problems));
    EXPECT_EQ(problems, QStringList{LoadStr(212)});
}

#include "sentpage.h"
#include "stringtable.h"
#include "uploadfixture.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// Runs one job and keeps everything it reported.
struct TJobRecord {
    QStringList statuses;
    QStringList problems;
    int position = 0;
    int maximum = 0;
    bool succeeded = false;
    bool cancelled = false;
    QStringList failed;
    qint64 elapsedMs = 0;
};

// Test servers and clients give up quickly, so a fault costs seconds, not minutes.
void ShortTimeouts(TUploadJob &job)
{
    job.ftp().ConnectTimeout = 2;
    job.ftp().ResponseTimeout = 60; // long: a cancel that did not work would show as a slow test
}

// A text file as a server whose line end is LF stores it.
QByteArray Unix(QByteArray text)
{
    return text.replace("\r\n", "\n");
}

TJobRecord RunJob(TUploadJob &job)
{
    TJobRecord r;
    QObject::connect(&job, &TUploadJob::status, [&](const QString &s) { r.statuses << s; });
    QObject::connect(&job, &TUploadJob::problem,
                     [&](TUploadProblem, const QString &message) { r.problems << message; });
    QObject::connect(&job, &TUploadJob::progress, [&](int p, int m) {
        r.position = p;
        r.maximum = m;
    });
    QElapsedTimer clock;
    clock.start();
    r.succeeded = job.Run();
    r.elapsedMs = clock.elapsed();
    r.cancelled = job.Cancelled();
    r.failed = job.FailedFiles();
    return r;
}

TJobRecord RunJob(const TUploadInput &in)
{
    TUploadJob job(in);
    ShortTimeouts(job);
    return RunJob(job);
}

QStringList StatusTexts(std::initializer_list<int> ids, const QString &address)
{
    QStringList out;
    for (int id : ids)
        out << QLatin1Char(' ') + LoadStr(id) + (id == 204 ? address : QString());
    return out;
}

} // namespace

class UploadJobTest : public UploadFolderTest {};

TEST_F(UploadJobTest, SendsThePageAndItsPicturesIntactInTheirFolders)
{
    TTestFtpServer server;
    const TJobRecord r = RunJob(input(server));
    EXPECT_TRUE(r.succeeded);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(r.statuses, StatusTexts({204, 204, 207, 209, 210, 211}, server.Address()));
    EXPECT_EQ(r.position, 4);
    EXPECT_EQ(r.maximum, 4);

    EXPECT_EQ(server.Files(), (QStringList{"site/backgrnd/stars.gif", "site/graphics/dog.gif",
                                           "site/graphics/my cat.jpg", "site/mypage.html"}));
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), readFile("HTMLFiles/graphics/dog.gif"));
    EXPECT_EQ(server.FileBytes("site/graphics/my cat.jpg"), readFile("HTMLFiles/graphics/my cat.jpg"));
    EXPECT_EQ(server.FileBytes("site/backgrnd/stars.gif"), readFile("HTMLFiles/backgrnd/stars.gif"));
    // The page went as text, so this server keeps it with its own line end, LF; the copy sent
    // names its character set while the page file stays byte for byte what was saved.
    EXPECT_EQ(server.FileBytes("site/mypage.html"), Unix(DeclareCharset(m_page)));
    EXPECT_EQ(readFile("HTMLFiles/my page.html"), m_page);
}

TEST_F(UploadJobTest, TextModeCarriesExactlyOneCrLfPerLine)
{
    // This server stores what came over the wire, as one whose own line end is CR LF does.
    TTestFtpServer server({QStringLiteral("--raw-ascii")});
    ASSERT_TRUE(RunJob(input(server)).succeeded);
    const QByteArray sent = server.FileBytes("site/mypage.html");
    EXPECT_EQ(sent, DeclareCharset(m_page));
    EXPECT_FALSE(sent.contains("\r\r\n"));
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), readFile("HTMLFiles/graphics/dog.gif"));
}

TEST_F(UploadJobTest, RepeatedUploadIntoAnEmptyDirectoryUsesTheLoginFolder)
{
    TTestFtpServer server;
    EXPECT_TRUE(RunJob(input(server, QString())).succeeded);
    const TJobRecord again = RunJob(input(server, QString()));
    EXPECT_TRUE(again.succeeded) << again.problems.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(server.Files(),
              (QStringList{"backgrnd/stars.gif", "graphics/dog.gif", "graphics/my cat.jpg", "mypage.html"}));
}

TEST_F(UploadJobTest, FlatServerGetsEveryFileInOneFolder)
{
    TTestFtpServer server;
    QDir(server.Root()).mkpath(QStringLiteral("site")); // a flat server's folder is never created
    TUploadInput in = input(server);
    in.FlatDir = true;
    const TJobRecord r = RunJob(in);
    EXPECT_TRUE(r.succeeded);
    EXPECT_EQ(server.Files(),
              (QStringList{"site/dog.gif", "site/my cat.jpg", "site/mypage.html", "site/stars.gif"}));
    const QByteArray flat = readFile("HTMLFiles/my page.nodir.html");
    EXPECT_FALSE(flat.toLower().contains("graphics/"));
    EXPECT_TRUE(flat.contains("<IMG SRC=\"dog.gif\">"));
    EXPECT_EQ(server.FileBytes("site/mypage.html"), Unix(flat));
    EXPECT_EQ(readFile("HTMLFiles/my page.html"), m_page);

    // Without the folder there, a flat upload cannot enter it and says so.
    TUploadInput missing = in;
    missing.Directory = QStringLiteral("elsewhere");
    EXPECT_EQ(RunJob(missing).problems,
              QStringList{TUploadJob::ProblemText(TUploadProblem::DirectoryFailed)});
}

TEST_F(UploadJobTest, FreeHostBannerGoesIntoTheSentCopyOnly)
{
    TTestFtpServer server;
    TUploadInput in = input(server);
    in.GeoCities = true;
    ASSERT_TRUE(RunJob(in).succeeded);
    ASSERT_TRUE(RunJob(in).succeeded);
    const QByteArray sent = server.FileBytes("site/mypage.html");
    EXPECT_EQ(sent.count("This page hosted by"), 1);
    EXPECT_TRUE(sent.contains("Free Home Page</a></b></center>\n</BODY>"));
    EXPECT_EQ(readFile("HTMLFiles/my page.html"), m_page);

    TTestFtpServer other;
    ASSERT_TRUE(RunJob(input(other)).succeeded);
    EXPECT_FALSE(other.FileBytes("site/mypage.html").contains("hosted by"));
}

TEST_F(UploadJobTest, RefusedLoginAndNoServerSay212AndSendNothing)
{
    TTestFtpServer server;
    TUploadInput in = input(server);
    in.Password = QStringLiteral("wrong");
    TJobRecord r = RunJob(in);
    EXPECT_FALSE(r.succeeded);
    EXPECT_EQ(r.problems, QStringList{LoadStr(212)});
    EXPECT_EQ(r.statuses.last(), QLatin1Char(' ') + LoadStr(204) + server.Address());
    EXPECT_TRUE(server.Files().isEmpty());

    in = input(server);
    in.Address = QStringLiteral("127.0.0.1:1");
    r = RunJob(in);
    EXPECT_EQ(r.problems, QStringList{LoadStr(212)});
}

TEST_F(UploadJobTest, ServerThatNeverGreetsFailsAtTheConnectTimeout)
{
    TTestFtpServer server({QStringLiteral("--silent")});
    TUploadJob job(input(server));
    job.ftp().ConnectTimeout = 1;
    const TJobRecord r = RunJob(job);
    EXPECT_EQ(r.problems, QStringList{LoadStr(212)});
    EXPECT_EQ(job.ftp().LastError, 0);
}

TEST_F(UploadJobTest, RefusedFolderSays205And206)
{
    TTestFtpServer server;
    TUploadInput in = input(server, QStringLiteral("newsite"));
    in.UserName = QStringLiteral("nomkd");
    in.Password = QStringLiteral("secret");
    const TJobRecord r = RunJob(in);
    EXPECT_FALSE(r.succeeded);
    EXPECT_EQ(r.problems, QStringList{LoadStr(205) + QStringLiteral("\r\n") + LoadStr(206)});
    EXPECT_TRUE(LoadStr(205).contains(QLatin1String("''")));
    EXPECT_TRUE(server.Files().isEmpty());
}

TEST_F(UploadJobTest, RefusedPageSays208AndSendsNothingElse)
{
    TTestFtpServer server({QStringLiteral("--refuse-store"), QStringLiteral("mypage.html")});
    const TJobRecord r = RunJob(input(server));
    EXPECT_FALSE(r.succeeded);
    EXPECT_EQ(r.problems, QStringList{LoadStr(208)});
    EXPECT_EQ(r.statuses.mid(r.statuses.size() - 3), StatusTexts({209, 210, 211}, QString()));
    EXPECT_TRUE(server.Files().isEmpty());

    TTestFtpServer readOnly;
    TUploadInput in = input(readOnly, QString());
    in.UserName = QStringLiteral("reader");
    in.Password = QStringLiteral("secret");
    EXPECT_EQ(RunJob(in).problems, QStringList{LoadStr(208)});
}

TEST_F(UploadJobTest, RefusedPictureFailsQuietlyAndTheRestIsSent)
{
    TTestFtpServer server({QStringLiteral("--refuse-store"), QStringLiteral("dog.gif")});
    const TJobRecord r = RunJob(input(server));
    EXPECT_FALSE(r.succeeded);
    EXPECT_TRUE(r.problems.isEmpty());
    ASSERT_EQ(r.failed.size(), 1);
    EXPECT_TRUE(r.failed[0].endsWith(QLatin1String("dog.gif")));
    EXPECT_EQ(server.Files(),
              (QStringList{"site/backgrnd/stars.gif", "site/graphics/my cat.jpg", "site/mypage.html"}));
    EXPECT_EQ(r.statuses.last(), QLatin1Char(' ') + LoadStr(211));
}

TEST_F(UploadJobTest, ConnectionDroppedMidFileFailsThatFileAndGoesOn)
{
    writeFile(QStringLiteral("HTMLFiles/graphics/dog.gif"), pictureBytes(3 * 1024 * 1024, 5));
    TTestFtpServer server({QStringLiteral("--drop-after"), QStringLiteral("1000000")});
    const TJobRecord r = RunJob(input(server));
    EXPECT_FALSE(r.succeeded);
    EXPECT_TRUE(r.problems.isEmpty());
    ASSERT_EQ(r.failed.size(), 1);
    EXPECT_TRUE(r.failed[0].endsWith(QLatin1String("dog.gif")));
    // The next files go over a fresh connection.
    EXPECT_EQ(server.FileBytes("site/graphics/my cat.jpg"), readFile("HTMLFiles/graphics/my cat.jpg"));
    EXPECT_LT(server.FileBytes("site/graphics/dog.gif").size(), 3 * 1024 * 1024);
}

TEST_F(UploadJobTest, MissingPictureFailsTheJobWithoutAMessage)
{
    QFile::remove(m_dir.filePath(QStringLiteral("HTMLFiles/backgrnd/stars.gif")));
    TTestFtpServer server;
    const TJobRecord r = RunJob(input(server));
    EXPECT_FALSE(r.succeeded);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_TRUE(server.Has(QStringLiteral("site/graphics/dog.gif")));
}

// Cancel pressed while the job waits on the server, at each step the server can hold it up.
TEST_F(UploadJobTest, CancelStopsEveryStepWithoutAMessage)
{
    writeFile(QStringLiteral("HTMLFiles/graphics/dog.gif"), pictureBytes(2 * 1024 * 1024, 5));
    const QList<QStringList> faults{
        {QStringLiteral("--silent")},
        {QStringLiteral("--stall"), QStringLiteral("PASS")},
        {QStringLiteral("--stall"), QStringLiteral("MKD")},
        {QStringLiteral("--stall"), QStringLiteral("CWD")},
        {QStringLiteral("--throttle"), QStringLiteral("65536")},
    };
    for (const QStringList &fault : faults) {
        SCOPED_TRACE(fault.join(QLatin1Char(' ')).toStdString());
        TTestFtpServer server(fault);
        TUploadJob job(input(server, QStringLiteral("site")));
        job.ftp().ConnectTimeout = 30;
        job.ftp().ResponseTimeout = 30;
        // Cancel once the job is waiting: on the first progress of a file, or soon after starting.
        QObject::connect(&job.ftp(), &TFtpControl::fileProgress, &job, [&](qint64 sent, qint64 total) {
            if (sent > 0 && sent < total)
                job.Cancel();
        });
        if (!fault.contains(QStringLiteral("--throttle")))
            QTimer::singleShot(300, &job, [&] { job.Cancel(); });
        const TJobRecord r = RunJob(job);
        EXPECT_TRUE(r.cancelled);
        EXPECT_FALSE(r.succeeded);
        EXPECT_TRUE(r.problems.isEmpty());
        EXPECT_EQ(r.statuses.last(), QLatin1Char(' ') + LoadStr(203));
        EXPECT_LT(r.elapsedMs, 10000); // far below the 30 s the server would otherwise hold it
        EXPECT_FALSE(job.ftp().Connected());
    }
}

TEST_F(UploadJobTest, RepublishingSendsOnlyWhatChanged)
{
    TTestFtpServer server;
    TUploadInput in = input(server);
    in.UploadRecordFile = m_dir.filePath(QStringLiteral("uploads.json"));

    TUploadJob first(in);
    ASSERT_TRUE(first.Run());
    EXPECT_EQ(first.UnchangedFiles(), 0);

    // Nothing changed: only the page goes again.
    TUploadJob second(in);
    ASSERT_TRUE(second.Run());
    EXPECT_EQ(second.UnchangedFiles(), 3);
    EXPECT_EQ(second.ftp().BytesSent(), qint64(DeclareCharset(m_page).size()));

    // A changed picture, and one deleted on the server, go again; the third stays.
    const QByteArray changed = pictureBytes(3000, 42);
    writeFile(QStringLiteral("HTMLFiles/graphics/dog.gif"), changed);
    ASSERT_TRUE(QFile::remove(server.Root() + QStringLiteral("/site/backgrnd/stars.gif")));
    TUploadJob third(in);
    ASSERT_TRUE(third.Run());
    EXPECT_EQ(third.UnchangedFiles(), 1);
    EXPECT_EQ(server.FileBytes("site/graphics/dog.gif"), changed);
    EXPECT_EQ(server.FileBytes("site/backgrnd/stars.gif"), readFile("HTMLFiles/backgrnd/stars.gif"));

    // Another folder on the same server is another set of files.
    TUploadInput elsewhere = in;
    elsewhere.Directory = QStringLiteral("other");
    TUploadJob fourth(elsewhere);
    ASSERT_TRUE(fourth.Run());
    EXPECT_EQ(fourth.UnchangedFiles(), 0);
    EXPECT_TRUE(server.Has(QStringLiteral("other/graphics/my cat.jpg")));
}

#include "ratioreporter.h"
#include "uploadjob.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

// Uploading a page with 200 pictures to an FTP server on the loopback address, next to the curl
// command-line tool sending the same files over one connection in the same run. Both talk to the
// same test server, so what differs is the client. A second pair shows that republishing an
// unchanged page sends the page alone: its counter "picture_bytes" must stay 0.

namespace {

constexpr int kPictures = 200;
constexpr int kPictureBytes = 48 * 1024;
const char *const kUser = "user";
const char *const kPassword = "pa&ss @:word";

struct Fixture {
    QTemporaryDir folder;
    QString html = folder.filePath("HTMLFiles") + "/";
    QString serverRoot = folder.filePath("server");
    QProcess server;
    int port = 0;
    qint64 pageBytes = 0;
    qint64 totalBytes = 0;

    Fixture()
    {
        QDir().mkpath(html + "graphics");
        QDir().mkpath(serverRoot);
        QDir().mkpath(folder.filePath("save"));
        // The page names its character set, so the copy sent is the page itself, byte for byte.
        QByteArray page = "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                          "charset=windows-1252\">\r\n<TITLE>Pictures</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
        for (int i = 0; i < kPictures; ++i) {
            const QString name = QStringLiteral("graphics/pic%1.jpg").arg(i);
            QByteArray bytes(kPictureBytes, '\0');
            for (int b = 0; b < kPictureBytes; ++b)
                bytes[b] = char((b * 31 + i) & 0xff);
            QFile f(html + name);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            page += "<IMG SRC=\"" + name.toLatin1() + "\">\r\n";
            totalBytes += kPictureBytes;
        }
        page += "</BODY>\r\n</HTML>\r\n";
        QFile f(html + "pictures.html");
        f.open(QIODevice::WriteOnly);
        f.write(page);
        pageBytes = page.size();
        totalBytes += pageBytes;

        const QString portFile = folder.filePath("port");
        server.start("/usr/bin/python3",
                     {QStringLiteral(ZV_SOURCE_ROOT "/tests/upload/ftpserver.py"), serverRoot, portFile});
        const QDeadlineTimer deadline(20000);
        while (!QFile::exists(portFile) && !deadline.hasExpired())
            QThread::msleep(20);
        QFile p(portFile);
        if (p.open(QIODevice::ReadOnly))
            port = p.readAll().trimmed().toInt();
    }
    ~Fixture()
    {
        server.kill();
        server.waitForFinished(5000);
    }

    TUploadInput input(const QString &directory, bool remember) const
    {
        TUploadInput in;
        in.Address = QStringLiteral("127.0.0.1:%1").arg(port);
        in.Directory = directory;
        in.UserName = kUser;
        in.Password = kPassword;
        in.DocFileName = folder.filePath("save/pictures.zve");
        in.HTMLFolder = html;
        if (remember)
            in.UploadRecordFile = folder.filePath("uploads.json");
        return in;
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_UploadJob(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        TUploadJob job(f.input("job", false));
        if (!job.Run())
            state.SkipWithError("upload failed");
    }
    state.SetBytesProcessed(state.iterations() * f.totalBytes);
}

void BM_CurlTool(benchmark::State &state)
{
    Fixture &f = fixture();
    // One curl process, one connection, every file named in a config file.
    const QString config = f.folder.filePath("curl.cfg");
    QFile cfg(config);
    cfg.open(QIODevice::WriteOnly);
    const QString base = QStringLiteral("ftp://127.0.0.1:%1/curl/").arg(f.port);
    cfg.write(QStringLiteral("silent\nftp-create-dirs\nuser = \"%1:%2\"\n").arg(kUser, kPassword).toUtf8());
    cfg.write(QStringLiteral("upload-file = \"%1\"\nurl = \"%2pictures.html\"\n")
                  .arg(f.html + "pictures.html", base)
                  .toUtf8());
    for (int i = 0; i < kPictures; ++i)
        cfg.write(QStringLiteral("upload-file = \"%1graphics/pic%2.jpg\"\nurl = \"%3graphics/pic%2.jpg\"\n")
                      .arg(f.html)
                      .arg(i)
                      .arg(base)
                      .toUtf8());
    cfg.close();
    for (auto _ : state) {
        QProcess curl;
        curl.start("curl", {"-K", config});
        if (!curl.waitForFinished(120000) || curl.exitCode() != 0)
            state.SkipWithError("curl failed");
    }
    state.SetBytesProcessed(state.iterations() * f.totalBytes);
}

void BM_RepublishUnchanged(benchmark::State &state)
{
    Fixture &f = fixture();
    {
        TUploadJob first(f.input("again", true));
        first.Run();
    }
    qint64 pictureBytes = 0;
    for (auto _ : state) {
        TUploadJob job(f.input("again", true));
        if (!job.Run())
            state.SkipWithError("upload failed");
        pictureBytes += job.ftp().BytesSent() - f.pageBytes;
    }
    state.counters["picture_bytes"] = double(pictureBytes);
}

BENCHMARK(BM_UploadJob)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CurlTool)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RepublishUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    return RunWithRatios({{"BM_UploadJob/iterations:3/real_time", "BM_CurlTool/iterations:3/real_time"},
                          {"BM_RepublishUnchanged/real_time", "BM_UploadJob/iterations:3/real_time"}});
}

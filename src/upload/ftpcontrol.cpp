#include "ftpcontrol.h"

#include "curlsession.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>
#include <thread>

namespace {

std::once_flag curlGlobalInit;

} // namespace

TFtpControl::TFtpControl(QObject *parent) : QObject(parent), m_curl(std::make_unique<TCurlSession>())
{
    std::call_once(curlGlobalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_curl->abort = &m_abort;
    m_curl->progressReport = [this](qint64 sent, qint64 total) {
        QMetaObject::invokeMethod(
            this, [this, sent, total] { emit fileProgress(sent, total); }, Qt::QueuedConnection);
    };
}

TFtpControl::~TFtpControl()
{
    m_abort = true;
    m_curl->shutdownSockets();
    m_curl->close();
}

TFtpControl::TAddress TFtpControl::ParseAddress(const QString &address)
{
    TAddress result;
    QString rest = address.trimmed();
    if (rest.startsWith(QLatin1String("ftps://"), Qt::CaseInsensitive)) {
        result.requireTls = true;
        rest = rest.mid(7);
    } else if (rest.startsWith(QLatin1String("sftp://"), Qt::CaseInsensitive)) {
        result.sftp = true;
        result.port = 22;
        rest = rest.mid(7);
    } else if (rest.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive)) {
        rest = rest.mid(6);
    }
    rest = rest.section(QLatin1Char('/'), 0, 0);
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && !rest.startsWith(QLatin1Char('['))) {
        bool ok = false;
        const int port = rest.mid(colon + 1).toInt(&ok);
        if (!ok || port <= 0 || port > 65535)
            return result;
        result.port = port;
        rest = rest.left(colon);
    }
    result.host = rest;
    result.valid = !rest.isEmpty() && !rest.contains(QLatin1Char('@'));
    return result;
}

QString TFtpControl::folderUrl(const QStringList &folders, bool absolute) const
{
    QString url = QStringLiteral("%1://%2:%3/")
                      .arg(m_address.sftp ? QStringLiteral("sftp") : QStringLiteral("ftp"), m_address.host)
                      .arg(m_address.port);
    // Over SSH every path is absolute; "~" is the login folder.
    if (m_address.sftp && !absolute)
        url += QLatin1String("~/");
    else if (absolute && !m_address.sftp)
        url += QLatin1String("%2F");
    for (const QString &folder : folders)
        url += QString::fromLatin1(QUrl::toPercentEncoding(folder)) + QLatin1Char('/');
    return url;
}

QString TFtpControl::CurrentDirectory() const
{
    return (m_absolute ? QStringLiteral("/") : QString()) + m_folders.join(QLatin1Char('/'));
}

void TFtpControl::setCommonOptions()
{
    CURL *h = m_curl->handle;
    curl_easy_reset(h);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    // The whole conversation on standard error, for finding out why a server refuses something.
    if (qEnvironmentVariableIsSet("ZV_FTP_VERBOSE"))
        curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, m_curl->errorText);
    curl_easy_setopt(h, CURLOPT_USERNAME, UserName.toUtf8().constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, Password.toUtf8().constData());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, long(ConnectTimeout));
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(ResponseTimeout));
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, long(ResponseTimeout));
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &TCurlSession::progress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, m_curl.get());
    curl_easy_setopt(h, CURLOPT_OPENSOCKETFUNCTION, &TCurlSession::openSocket);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETDATA, m_curl.get());
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETFUNCTION, &TCurlSession::closeSocket);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETDATA, m_curl.get());
    if (m_address.sftp) {
        curl_easy_setopt(h, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        const QByteArray knownHosts = QFile::encodeName(knownHostsFile());
        curl_easy_setopt(h, CURLOPT_SSH_KNOWNHOSTS, knownHosts.constData());
        curl_easy_setopt(h, CURLOPT_SSH_KEYFUNCTION, &TCurlSession::checkHostKey);
        curl_easy_setopt(h, CURLOPT_SSH_KEYDATA, m_curl.get());
    } else if (m_address.requireTls) {
        curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!CAInfo.isEmpty())
            curl_easy_setopt(h, CURLOPT_CAINFO, CAInfo.toLocal8Bit().constData());
    } else {
        // Opportunistic TLS protects what it can; a certificate for another name (common on
        // shared hosts) must not stop an upload that plain FTP would have completed.
        curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
        curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 0L);
    }
}

int TFtpControl::runOnWorker(const std::function<int()> &work)
{
    m_busy = true;
    std::atomic<int> result{0};
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        std::thread worker([&] {
            result = work();
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    } else {
        result = work();
    }
    m_busy = false;
    return result;
}

int TFtpControl::perform(TStep step, const QString &url)
{
    setCommonOptions();
    CURL *h = m_curl->handle;
    const QByteArray urlBytes = url.toUtf8();
    curl_easy_setopt(h, CURLOPT_URL, urlBytes.constData());
    m_curl->errorText[0] = 0;

    std::unique_ptr<QIODevice> source;
    QByteArray text;
    if (step == TStep::Send) {
        auto file = std::make_unique<QFile>(LocalFile);
        if (!file->open(QIODevice::ReadOnly)) {
            LastErrorText = QStringLiteral("Cannot read %1").arg(LocalFile);
            return CURLE_READ_ERROR;
        }
        if (BinaryMode || m_address.sftp) { // SSH has no text mode: the file goes as it is
            curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(file->size()));
            source = std::move(file);
        } else {
            // In text mode libcurl turns every LF into the CR LF the protocol wants on the wire.
            // Our pages already end their lines with CR LF, which would go out as CR CR LF: hand
            // it lines ended by LF alone, and the server stores them with its own line end.
            text = file->readAll().replace("\r\n", "\n");
            auto buffer = std::make_unique<QBuffer>(&text);
            buffer->open(QIODevice::ReadOnly);
            source = std::move(buffer);
        }
        m_curl->upload = source.get();
        m_curl->lastReported = -1;
        curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(h, CURLOPT_READFUNCTION, &TCurlSession::read);
        curl_easy_setopt(h, CURLOPT_READDATA, m_curl.get());
        curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, BinaryMode || m_address.sftp ? 0L : 1L);
    } else if (step == TStep::List) {
        curl_easy_setopt(h, CURLOPT_DIRLISTONLY, 1L);
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &TCurlSession::collect);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, m_curl.get());
    } else if (m_address.sftp && (step == TStep::Login || step == TStep::EnterFolder)) {
        // Listing the folder proves it is there; the listing itself is not needed.
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &TCurlSession::discard);
    } else {
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
        // libcurl reports what it learns about a file as header lines; nobody wants them.
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &TCurlSession::discard);
        if (step == TStep::FileSize)
            curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 0L); // sizes in binary, as the files went
        if (step == TStep::MakeFolder)
            curl_easy_setopt(h, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR));
    }

    const int code = runOnWorker([this] { return m_curl->perform(); });
    if (step == TStep::Send) {
        curl_off_t sent = 0;
        if (curl_easy_getinfo(h, CURLINFO_SIZE_UPLOAD_T, &sent) == CURLE_OK)
            m_bytesSent += sent;
    }
    m_curl->upload = nullptr;
    if (code != CURLE_OK && step != TStep::Login && !m_abort && !m_address.sftp) {
        // After a failed step libcurl may still believe it stands in the folder it could not
        // enter, and would then skip the CWD of the next request for that folder. A visit to
        // the login folder puts its bookkeeping right.
        setCommonOptions();
        const QByteArray home = folderUrl({}, false).toUtf8();
        curl_easy_setopt(h, CURLOPT_URL, home.constData());
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
        runOnWorker([this] { return m_curl->perform(); });
    }
    if (code != CURLE_OK) {
        LastErrorText = QString::fromLocal8Bit(m_curl->errorText);
        if (LastErrorText.isEmpty())
            LastErrorText = QString::fromLatin1(curl_easy_strerror(CURLcode(code)));
    }
    return code;
}

bool TFtpControl::beginOperation()
{
    if (m_busy) {
        LastError = ErrorBusy;
        LastErrorText = QStringLiteral("Another operation is in progress");
        return false;
    }
    if (m_abort) {
        LastError = CURLE_ABORTED_BY_CALLBACK;
        LastErrorText = QStringLiteral("Aborted");
        return false;
    }
    if (!m_connected || !m_curl->handle) {
        LastError = ErrorNotConnected;
        LastErrorText = QStringLiteral("Not connected");
        return false;
    }
    return true;
}

void TFtpControl::finishOperation(int code)
{
    if (code != CURLE_OK)
        LastError = code;
    if (m_closeAfterOperation) {
        m_closeAfterOperation = false;
        const bool wasConnected = m_connected;
        closeHandle();
        if (wasConnected)
            emit Disconnected();
    }
}

void TFtpControl::Connect()
{
    if (m_busy) {
        LastError = ErrorBusy;
        return;
    }
    closeHandle();
    m_abort = false;
    m_curl->hostKeyChanged = false;
    m_bytesSent = 0;
    m_folders.clear();
    m_absolute = false;
    m_address = ParseAddress(HostAddress);
    if (!m_address.valid) {
        LastError = CURLE_URL_MALFORMAT;
        LastErrorText = QStringLiteral("The server address \"%1\" is not valid").arg(HostAddress);
        return;
    }
    m_curl->handle = curl_easy_init();
    const int code = perform(TStep::Login, folderUrl({}, false));
    m_connected = code == CURLE_OK;
    if (!m_connected)
        m_closeAfterOperation = true; // nothing is left open after a failed login
    finishOperation(code);
}

void TFtpControl::MakeDirectory(const QString &name)
{
    if (!beginOperation())
        return;
    QStringList folders = m_folders;
    folders += name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (m_address.sftp) {
        finishOperation(makeSshFolder(folders));
        return;
    }
    finishOperation(perform(TStep::MakeFolder, folderUrl(folders, m_absolute)));
}

void TFtpControl::ChangeDirectory(const QString &name)
{
    if (!beginOperation())
        return;
    const bool absolute = name.startsWith(QLatin1Char('/'));
    QStringList folders = absolute ? QStringList() : m_folders;
    folders += name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const int code = perform(TStep::EnterFolder, folderUrl(folders, absolute || m_absolute));
    if (code == CURLE_OK) {
        m_folders = folders;
        m_absolute = absolute || m_absolute;
    }
    finishOperation(code);
}

void TFtpControl::setAction(int action)
{
    if (action != ActionSendFile || !beginOperation())
        return;
    finishOperation(perform(TStep::Send, fileUrl(RemoteFile)));
}

QString TFtpControl::fileUrl(const QString &name) const
{
    QStringList escaped;
    for (const QString &step : name.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        escaped += QString::fromLatin1(QUrl::toPercentEncoding(step));
    return folderUrl(m_folders, m_absolute) + escaped.join(QLatin1Char('/'));
}

qint64 TFtpControl::RemoteFileSize(const QString &name)
{
    const int lastError = LastError;
    const QString lastErrorText = LastErrorText;
    qint64 size = -1;
    if (beginOperation() && perform(TStep::FileSize, fileUrl(name)) == CURLE_OK) {
        curl_off_t length = -1;
        if (curl_easy_getinfo(m_curl->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK)
            size = length;
    }
    finishOperation(CURLE_OK);
    LastError = lastError;
    LastErrorText = lastErrorText;
    return size;
}

QStringList TFtpControl::ListDirectory()
{
    if (!beginOperation())
        return {};
    QByteArray listing;
    m_curl->download = &listing;
    const int code = perform(TStep::List, folderUrl(m_folders, m_absolute));
    m_curl->download = nullptr;
    finishOperation(code);
    QStringList names;
    if (code != CURLE_OK)
        return names;
    for (const QByteArray &line : listing.split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."))
            names << name;
    }
    return names;
}

int TFtpControl::makeSshFolder(const QStringList &folders)
{
    // A relative path starts in the login folder; libcurl would not expand "~" inside quotes.
    QString path = (m_absolute ? QStringLiteral("/") : QString()) + folders.join(QLatin1Char('/'));
    path.replace(QLatin1Char('"'), QLatin1String("\\\""));
    const QByteArray command = "mkdir \"" + path.toUtf8() + '"';
    curl_slist *commands = curl_slist_append(nullptr, command.constData());
    setCommonOptions();
    CURL *h = m_curl->handle;
    const QByteArray url = folderUrl(m_folders, m_absolute).toUtf8();
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_QUOTE, commands);
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    m_curl->errorText[0] = 0;
    const int code = runOnWorker([this] { return m_curl->perform(); });
    curl_easy_setopt(h, CURLOPT_QUOTE, nullptr);
    curl_slist_free_all(commands);
    if (code != CURLE_OK)
        LastErrorText = QString::fromLocal8Bit(m_curl->errorText);
    return code;
}

bool TFtpControl::HostKeyChanged() const
{
    return m_curl->hostKeyChanged;
}

QString TFtpControl::knownHostsFile() const
{
    if (!KnownHostsFile.isEmpty())
        return KnownHostsFile;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/known_hosts");
}

void TFtpControl::Disconnect()
{
    if (m_busy) {
        // The operation in progress is abandoned and the connection closed when it returns.
        m_closeAfterOperation = true;
        Abort();
        return;
    }
    const bool wasConnected = m_connected;
    closeHandle();
    if (wasConnected)
        emit Disconnected();
}

void TFtpControl::Abort()
{
    m_abort = true;
    m_curl->shutdownSockets();
}

void TFtpControl::Release()
{
    Disconnect();
}

void TFtpControl::closeHandle()
{
    m_connected = false;
    if (!m_curl->handle)
        return;
    // Cleaning up says goodbye to the server, which can take a moment: keep the window alive.
    runOnWorker([this] {
        m_curl->close();
        return 0;
    });
}

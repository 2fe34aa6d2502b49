#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

struct TCurlSession;

// The FTP client the upload job drives: one connection to one server, kept open from Connect to
// Disconnect, over a single libcurl easy handle.
//
// Every operation blocks its caller until it is finished, but the work itself runs on a worker
// thread while the caller waits in a local event loop, so windows keep repainting and a Cancel
// button can call Abort in the middle of an operation. Abort ends the operation in progress
// within a second, whatever it is waiting for, and makes every later operation fail at once until
// the next Connect. No step can wait forever: connecting (including the server's greeting) gives
// up after ConnectTimeout seconds, a server that stops answering after ResponseTimeout seconds.
//
// HostAddress may be "host", "host:port", "ftp://host[:port]" or "ftps://host[:port]":
//   - "ftps://" insists on TLS (AUTH TLS on the control and data connections) with a certificate
//     that verifies; anything less fails the connection.
//   - a bare host uses TLS when the server offers it and plain FTP otherwise. A certificate that
//     does not verify is accepted there, since plain FTP would have sent the same data unprotected.
//   - "sftp://host[:port]" works over SSH. A server's host key is remembered in KnownHostsFile
//     the first time; a server that later shows another key is refused (HostKeyChanged()).
class TFtpControl : public QObject {
    Q_OBJECT
public:
    // The Action value that sends LocalFile to the server as RemoteFile.
    static constexpr int ActionSendFile = 6;
    // LastError values of this control that are not libcurl's own result codes.
    static constexpr int ErrorBusy = 1000; // an operation was asked for while one runs
    static constexpr int ErrorNotConnected = 1001;

    explicit TFtpControl(QObject *parent = nullptr);
    ~TFtpControl() override;

    QString HostAddress;
    QString UserName;
    QString Password;
    bool Blocking = true; // operations always block; kept for callers that set it
    QString LocalFile;
    QString RemoteFile;
    bool BinaryMode = true;

    // 0 after success; the libcurl result code (or one of the values above) after a failure.
    int LastError = 0;
    // A readable description of the last failure, for logs and command-line tools.
    QString LastErrorText;

    int ConnectTimeout = 15;  // seconds; connecting and the server's greeting
    int ResponseTimeout = 60; // seconds; a server that says nothing for this long has failed
    // A file of trusted certificates to verify "ftps://" servers with, instead of the system's.
    QString CAInfo;
    // Where the host keys of SSH servers are remembered; empty for the program's own file in the
    // user's configuration folder.
    QString KnownHostsFile;

    bool Connected() const { return m_connected; }
    // Abort was called since the last Connect began.
    bool Aborted() const { return m_abort; }
    // The last Connect failed because an SSH server's key differs from the one remembered for it.
    bool HostKeyChanged() const;

    void setAction(int action);
    void Connect();
    void MakeDirectory(const QString &name);
    void ChangeDirectory(const QString &name);
    void Disconnect();
    void Abort();
    void Release();

    // The size of a file in the current remote folder, or -1 when it is missing or the server
    // does not say. Leaves LastError as it was.
    qint64 RemoteFileSize(const QString &name);
    // The names in the current remote folder, read with a listing; LastError tells whether the
    // listing worked. Names of the folder itself and its parent are left out.
    QStringList ListDirectory();
    // Bytes of file content handed to the network since Connect.
    qint64 BytesSent() const { return m_bytesSent; }

    // The remote folder transfers go to, relative to the login folder ("" for the login folder).
    QString CurrentDirectory() const;

signals:
    // The connection to the server has ended.
    void Disconnected();
    // Bytes of the current file handed to the network so far, and its size.
    void fileProgress(qint64 sent, qint64 total);

private:
    struct TAddress {
        QString host;
        int port = 21;
        bool requireTls = false;
        bool sftp = false;
        bool valid = false;
    };
    static TAddress ParseAddress(const QString &address);

    bool beginOperation();
    // Runs work on a worker thread and waits for it in a local event loop.
    int runOnWorker(const std::function<int()> &work);
    enum class TStep { Login, MakeFolder, EnterFolder, Send, FileSize, List };
    QString knownHostsFile() const;
    int makeSshFolder(const QStringList &folders);
    int perform(TStep step, const QString &url);
    void setCommonOptions();
    void closeHandle();
    void finishOperation(int code);
    QString folderUrl(const QStringList &folders, bool absolute) const;
    QString fileUrl(const QString &name) const;

    std::unique_ptr<TCurlSession> m_curl;
    TAddress m_address;
    QStringList m_folders; // the current remote folder, one entry per step
    bool m_absolute = false;
    bool m_connected = false;
    bool m_busy = false;
    qint64 m_bytesSent = 0;
    bool m_closeAfterOperation = false;
    std::atomic<bool> m_abort{false};
};

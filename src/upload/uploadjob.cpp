#include "uploadjob.h"

#include "helpers.h"
#include "sentpage.h"
#include "stringtable.h"
#include "uploadlist.h"

#include <QFile>
#include <QFileInfo>

TUploadJob::TUploadJob(const TUploadInput &input, QObject *parent) : QObject(parent), m_input(input)
{
    connect(&m_ftp, &TFtpControl::Disconnected, this, &TUploadJob::ftpDisconnect);
}

TUploadJob::~TUploadJob() = default;

QString TUploadJob::ProblemText(TUploadProblem problem)
{
    switch (problem) {
    case TUploadProblem::LoginFailed:
        return LoadStr(212);
    case TUploadProblem::DirectoryFailed:
        return LoadStr(205) + QStringLiteral("\r\n") + LoadStr(206);
    case TUploadProblem::PageFailed:
        return LoadStr(208);
    case TUploadProblem::HostKeyChanged:
        return QStringLiteral("The server's identity key is not the one it showed before, so nothing "
                              "was sent. If your provider has not announced a new key, someone may be "
                              "impersonating the server.");
    }
    return QString();
}

bool TUploadJob::IsTextExtension(const QString &extension)
{
    QString ext = extension.toLower();
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext == QLatin1String("html") || ext == QLatin1String("htm") || ext == QLatin1String("txt") ||
           ext == QLatin1String("doc") || ext == QLatin1String("shtml");
}

void TUploadJob::ShowFTPStatus(const QString &text)
{
    // After a cancel the status line keeps saying so; later steps of the unwinding job are noise.
    if (!m_cancelled)
        emit status(QLatin1Char(' ') + text);
}

void TUploadJob::ReportProblem(TUploadProblem problem)
{
    if (!m_cancelled)
        emit this->problem(problem, ProblemText(problem));
}

void TUploadJob::ftpDisconnect()
{
    ShowFTPStatus(LoadStr(210));
}

void TUploadJob::advance()
{
    ++m_position;
    emit progress(m_position, m_maximum);
}

void TUploadJob::Cancel()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    if (m_ftp.Connected())
        m_ftp.Disconnect();
    m_ftp.Abort();
    emit status(QLatin1Char(' ') + LoadStr(203));
    m_succeeded = false;
}

bool TUploadJob::Run()
{
    if (m_running)
        return false;
    m_running = true;
    m_succeeded = false;
    m_failedFiles.clear();
    m_uploadList = BuildUploadListForDocument(m_input.DocFileName, m_input.HTMLFolder);

    if (!m_cancelled) {
        const bool ok = ConnectToServer();
        if (ok && !m_cancelled)
            m_succeeded = UploadAll();
    }
    if (m_ftp.Connected())
        m_ftp.Disconnect();
    m_ftp.Release();
    if (m_cancelled)
        m_succeeded = false;
    m_running = false;
    return m_succeeded;
}

bool TUploadJob::ConnectToServer()
{
    m_ftp.LastError = 0;
    ShowFTPStatus(LoadStr(204) + m_input.Address);
    m_ftp.HostAddress = m_input.Address;
    m_ftp.UserName = m_input.UserName;
    m_ftp.Password = m_input.Password;
    m_ftp.LastError = 0;
    m_ftp.Blocking = true;
    if (!m_input.KnownHostsFile.isEmpty())
        m_ftp.KnownHostsFile = m_input.KnownHostsFile;
    m_ftp.Connect();
    if (m_ftp.LastError > 0 && !m_cancelled) {
        ReportProblem(m_ftp.HostKeyChanged() ? TUploadProblem::HostKeyChanged : TUploadProblem::LoginFailed);
        m_ftp.LastError = 0;
        return false;
    }
    if (m_cancelled)
        return true;
    ShowFTPStatus(LoadStr(204) + m_input.Address);

    if (!m_input.Directory.isEmpty() && !m_cancelled) {
        if (!m_input.FlatDir) {
            // It may well exist already; entering it below is what counts.
            m_ftp.MakeDirectory(m_input.Directory);
            m_ftp.LastError = 0;
        }
        m_ftp.ChangeDirectory(m_input.Directory);
    }
    if (m_ftp.LastError > 0 && !m_cancelled) {
        ReportProblem(TUploadProblem::DirectoryFailed);
        m_ftp.Abort();
        return false;
    }
    return true;
}

QString TUploadJob::PreparePage(const QString &pagePath)
{
    QFile file(NativePath(pagePath));
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    else
        return pagePath; // sending it fails and says so

    QByteArray sent = text;
    if (m_input.FlatDir)
        sent = RemoveFolderPrefixes(sent);
    if (m_input.GeoCities)
        sent = AddHostingBanner(sent);
    sent = DeclareCharset(sent);

    QString copyPath;
    if (m_input.FlatDir) {
        copyPath = PathJoin(m_input.HTMLFolder, StripExtension(FileNamePart(m_input.DocFileName)) +
                                                    QStringLiteral(".nodir.html"));
    } else if (sent != text) {
        m_copyFolder = std::make_unique<QTemporaryDir>();
        if (!m_copyFolder->isValid())
            return pagePath;
        copyPath = PathJoin(m_copyFolder->path(), FileNamePart(pagePath));
    } else {
        return pagePath;
    }
    QFile copy(NativePath(copyPath));
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(sent) != sent.size())
        return pagePath;
    return copyPath;
}

bool TUploadJob::UploadAll()
{
    m_position = 0;
    m_maximum = 1;
    for (const ResourceDetail &entry : m_uploadList)
        if (!entry.Skipped())
            ++m_maximum;
    emit progress(0, m_maximum);
    ShowFTPStatus(LoadStr(207));

    const QString pageName = StripExtension(FileNamePart(m_input.DocFileName)) + QStringLiteral(".html");
    const QString pagePath = PathJoin(m_input.HTMLFolder, pageName);
    QString remoteName = pageName;
    remoteName.remove(QLatin1Char(' '));

    if (!m_input.FlatDir) {
        m_ftp.MakeDirectory(QStringLiteral("graphics"));
        m_ftp.MakeDirectory(QStringLiteral("backgrnd"));
        m_ftp.LastError = 0;
    }
    const QString localName = PreparePage(pagePath);

    const bool remember = !m_input.UploadRecordFile.isEmpty();
    m_unchangedFiles = 0;
    if (remember) {
        m_record.Load(m_input.UploadRecordFile);
        m_serverKey =
            TUploadRecord::ServerKey(m_input.Address, m_input.UserName, m_input.Directory, m_input.FlatDir);
    }

    bool result = true;
    if (!m_cancelled) {
        advance();
        m_ftp.LocalFile = NativePath(localName);
        m_ftp.RemoteFile = remoteName;
        SetTransferMode(localName);
        m_ftp.setAction(TFtpControl::ActionSendFile);
        if (m_ftp.LastError != 0) {
            ReportProblem(TUploadProblem::PageFailed);
            result = false;
        }
    }

    for (qsizetype i = 0; result && !m_cancelled && i < m_uploadList.size(); ++i) {
        const ResourceDetail &entry = m_uploadList[i];
        if (entry.Skipped())
            continue;
        advance();
        // The local file keeps the letter case the page gives it: this file system minds case.
        m_ftp.LocalFile = NativePath(entry.LocalPath);
        QString remote = entry.Reference.toLower();
        remote.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (m_input.FlatDir) {
            remote.remove(QLatin1String("backgrnd/"), Qt::CaseInsensitive);
            remote.remove(QLatin1String("graphics/"), Qt::CaseInsensitive);
        }
        m_ftp.RemoteFile = remote;
        SetTransferMode(entry.LocalPath);
        TUploadRecord::TSentFile local;
        if (remember && m_ftp.BinaryMode) {
            local = TUploadRecord::Describe(m_ftp.LocalFile);
            if (AlreadyOnServer(remote, local)) {
                ++m_unchangedFiles;
                continue;
            }
        }
        m_ftp.setAction(TFtpControl::ActionSendFile);
        if (m_ftp.LastError != 0) {
            // One missing picture should not keep the others off the server; the job still
            // counts as failed at the end.
            m_failedFiles << entry.LocalPath;
            m_ftp.LastError = 0;
            m_record.Forget(m_serverKey, remote);
        } else if (local.size >= 0) {
            m_record.Remember(m_serverKey, remote, local);
        }
    }
    if (remember)
        m_record.Save(m_input.UploadRecordFile);
    if (!m_failedFiles.isEmpty())
        result = false;

    ShowFTPStatus(LoadStr(209));
    m_ftp.Disconnect();
    ShowFTPStatus(LoadStr(211));
    return result && !m_cancelled;
}

bool TUploadJob::AlreadyOnServer(const QString &remoteName, const TUploadRecord::TSentFile &local)
{
    const TUploadRecord::TSentFile *sent = m_record.Find(m_serverKey, remoteName);
    if (!sent || local.size < 0 || sent->size != local.size || sent->sha256 != local.sha256)
        return false;
    // Someone may have deleted or replaced it on the server since.
    return m_ftp.RemoteFileSize(remoteName) == local.size;
}

void TUploadJob::SetTransferMode(const QString &fileName)
{
    const QString extension = QFileInfo(NativePath(fileName)).suffix();
    const bool binary = !IsTextExtension(extension);
    if (m_ftp.BinaryMode != binary)
        m_ftp.BinaryMode = binary;
}

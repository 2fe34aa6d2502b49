#include "connectiontest.h"

#include "ftpcontrol.h"

#include <curl/curl.h>

namespace {

TConnectionReport report(TConnectionVerdict verdict, const QString &text, int entries = -1)
{
    TConnectionReport result;
    result.Verdict = verdict;
    result.Text = text;
    result.Entries = entries;
    return result;
}

// The host part of an address, for naming it in a sentence.
QString hostOf(const QString &address)
{
    QString host = address.trimmed();
    const qsizetype scheme = host.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        host = host.mid(scheme + 3);
    return host.section(QLatin1Char('/'), 0, 0);
}

// Why logging in failed, in words.
TConnectionReport loginFailure(const TFtpControl &ftp, const QString &address, bool cancelled)
{
    const QString host = hostOf(address);
    if (cancelled)
        return report(TConnectionVerdict::Cancelled, QStringLiteral("The test was stopped."));
    if (ftp.HostKeyChanged())
        return report(TConnectionVerdict::HostKeyChanged,
                      QStringLiteral("The server's identity key has changed since the last visit, so the "
                                     "program did not log in. Ask your provider whether that is expected."));
    switch (ftp.LastError) {
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return report(
            TConnectionVerdict::BadAddress,
            QStringLiteral("\"%1\" is not a server address the program can use.").arg(address.trimmed()));
    case CURLE_COULDNT_RESOLVE_HOST:
        return report(
            TConnectionVerdict::HostNotFound,
            QStringLiteral("The server \"%1\" could not be found. Please check the address.").arg(host));
    case CURLE_COULDNT_CONNECT:
        return report(TConnectionVerdict::NoAnswer,
                      QStringLiteral("Nothing answered at \"%1\". Please check the address, and the port if "
                                     "you gave one.")
                          .arg(host));
    case CURLE_OPERATION_TIMEDOUT:
        return report(
            TConnectionVerdict::TimedOut,
            QStringLiteral("The server \"%1\" did not answer in time. Please try again later.").arg(host));
    case CURLE_LOGIN_DENIED:
        return report(TConnectionVerdict::LoginRefused,
                      QStringLiteral("The server refused the login name or password. Please check both."));
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
        return report(TConnectionVerdict::TlsRefused,
                      QStringLiteral("The server does not offer the secure connection that \"ftps://\" asks "
                                     "for. Remove \"ftps://\" to connect without it."));
    case CURLE_PEER_FAILED_VERIFICATION:
        return report(TConnectionVerdict::CertificateRefused,
                      QStringLiteral("The server's security certificate could not be checked, so the secure "
                                     "connection was refused."));
    default:
        return report(TConnectionVerdict::Failed,
                      QStringLiteral("The connection failed: %1.").arg(ftp.LastErrorText));
    }
}

} // namespace

TConnectionReport TestServerConnection(const TUploadInput &input, TFtpControl &ftp)
{
    if (input.Address.trimmed().isEmpty())
        return report(TConnectionVerdict::NoAddress,
                      QStringLiteral("Please enter the server address first."));

    ftp.HostAddress = input.Address;
    ftp.UserName = input.UserName;
    ftp.Password = input.Password;
    if (!input.KnownHostsFile.isEmpty())
        ftp.KnownHostsFile = input.KnownHostsFile;
    ftp.LastError = 0;
    ftp.Connect();
    if (ftp.LastError != 0 || !ftp.Connected()) {
        const TConnectionReport failure = loginFailure(ftp, input.Address, ftp.Aborted());
        ftp.Disconnect();
        return failure;
    }

    TConnectionReport result;
    const QString folder = input.Directory.trimmed();
    int folderError = 0;
    if (!folder.isEmpty()) {
        ftp.ChangeDirectory(folder);
        folderError = ftp.LastError;
    }
    // FTP servers refuse to enter a folder that is not there; SSH ones say it is not found.
    const bool missing =
        folderError == CURLE_REMOTE_ACCESS_DENIED || folderError == CURLE_REMOTE_FILE_NOT_FOUND;
    if (ftp.Aborted()) {
        result = report(TConnectionVerdict::Cancelled, QStringLiteral("The test was stopped."));
    } else if (folderError != 0 && !missing) {
        result = report(TConnectionVerdict::Failed,
                        QStringLiteral("Logged in, but the folder \"%1\" could not be opened: %2.")
                            .arg(folder, ftp.LastErrorText));
    } else if (missing && !input.FlatDir) {
        // The upload makes the folder it needs, so a missing one is no obstacle.
        result = report(TConnectionVerdict::FolderWillBeCreated,
                        QStringLiteral("Logged in. The folder \"%1\" is not there yet; it will be made "
                                       "when you upload.")
                            .arg(folder));
    } else if (missing) {
        result = report(TConnectionVerdict::FolderMissing,
                        QStringLiteral("Logged in, but the folder \"%1\" was not found. Please check the "
                                       "directory in the advanced details.")
                            .arg(folder));
    } else {
        ftp.LastError = 0;
        const QStringList names = ftp.ListDirectory();
        if (ftp.Aborted()) {
            result = report(TConnectionVerdict::Cancelled, QStringLiteral("The test was stopped."));
        } else if (ftp.LastError != 0) {
            result = report(
                TConnectionVerdict::Failed,
                QStringLiteral("Logged in, but the folder could not be listed: %1.").arg(ftp.LastErrorText));
        } else {
            const QString where = folder.isEmpty() ? QStringLiteral("your login folder")
                                                   : QStringLiteral("the folder \"%1\"").arg(folder);
            const QString count = names.isEmpty()     ? QStringLiteral("it is empty")
                                  : names.size() == 1 ? QStringLiteral("it holds 1 item")
                                                      : QStringLiteral("it holds %1 items").arg(names.size());
            result = report(TConnectionVerdict::Works,
                            QStringLiteral("It works! Logged in and found %1; %2.").arg(where, count),
                            int(names.size()));
        }
    }
    ftp.Disconnect();
    return result;
}

#include "command.h"
#include "folders.h"
#include "helpers.h"
#include "pagedocument.h"
#include "serverstore.h"
#include "serverupload.h"
#include "stylesfile.h"
#include "uploadjob.h"

#include <QFileInfo>

#include <cstdio>
#include <iostream>
#include <string>

// zvtool publish DOCUMENT --server NAME [--password-stdin] [--no-logo]
//
// Sends a builder document's page with its pictures to a server of the user's list, the way the
// send stage does: the document is opened as the program opens it, its page generated and written
// to the page file in the HTML folder, and that file and the pictures it refers to go to the
// server with the stored details. The status lines the upload form shows are printed as they come;
// problems go to stderr. The exit code is 0 only when everything arrived.
//
// The password is the stored one, or with --password-stdin the first line of standard input (for
// scripts that keep it elsewhere). It is never printed.

namespace {

constexpr char kUsage[] = "usage: zvtool publish DOCUMENT --server NAME [--password-stdin] [--no-logo]";

struct TPublishArgs {
    QString document;
    QString server;
    bool passwordFromStdin = false;
    bool noLogo = false;
};

bool parseArgs(const QStringList &args, TPublishArgs &out)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--server") && i + 1 < args.size())
            out.server = args[++i];
        else if (arg == QLatin1String("--password-stdin"))
            out.passwordFromStdin = true;
        else if (arg == QLatin1String("--no-logo"))
            out.noLogo = true;
        else if (out.document.isEmpty() && !arg.startsWith(QLatin1String("--")))
            out.document = arg;
        else
            return false;
    }
    return !out.document.isEmpty() && !out.server.isEmpty();
}

// The first line of standard input without its line end; nothing when the input is empty.
bool readPasswordLine(QString &password)
{
    std::string line;
    if (!std::getline(std::cin, line) && line.empty())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    password = QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
    return true;
}

bool findServer(const QString &name, tWWWServerType &found)
{
    QStringList warnings;
    const TServerList servers = LoadServers(&warnings);
    for (const QString &warning : warnings)
        zvWarn(warning);
    for (const tWWWServerType &server : servers) {
        if (server.Name == name) {
            found = server;
            return true;
        }
    }
    QStringList names;
    for (const tWWWServerType &server : servers)
        names << QLatin1Char('"') + server.Name + QLatin1Char('"');
    zvWarn(names.isEmpty()
               ? QStringLiteral("there is no server named \"%1\": the server list is empty").arg(name)
               : QStringLiteral("there is no server named \"%1\"; the stored servers are %2")
                     .arg(name, names.join(QStringLiteral(", "))));
    return false;
}

// Opens the document and writes its page file, as entering the send stage after opening it does.
bool writePageFile(const QString &path, bool noLogo, TPageDocument &document)
{
    const TStylesRead styles = LoadStyles(StylesFileName());
    if (styles.Status != TStylesReadStatus::Complete)
        zvWarn(styles.Error);
    const TPageLoad load =
        document.open(QFileInfo(path).absoluteFilePath(), TOpenAs::Document, styles.Styles);
    if (!load.Found) {
        zvWarn(QStringLiteral("%1: no such document").arg(path));
        return false;
    }
    if (!load.ok()) {
        zvWarn(QStringLiteral("%1: %2").arg(path, load.Read.Error));
        return false;
    }
    if (load.Read.Status != TDocumentStatus::Complete)
        zvWarn(QStringLiteral("%1: %2").arg(path, load.Read.Error));
    TPage &page = document.page();
    if (noLogo)
        page.setLogo(TLogoOption::Off);
    page.generateHTML();
    if (!document.savePageFile()) {
        zvWarn(QStringLiteral("cannot write the page file %1").arg(document.PageFileName()));
        return false;
    }
    return true;
}

void printLine(const QString &text)
{
    std::fprintf(stdout, "%s\n", text.trimmed().toLocal8Bit().constData());
    std::fflush(stdout);
}

int runPublish(const QStringList &args)
{
    TPublishArgs options;
    if (!parseArgs(args, options))
        return zvFail(QString::fromLatin1(kUsage));

    tWWWServerType server;
    if (!findServer(options.server, server))
        return 1;
    if (options.passwordFromStdin && !readPasswordLine(server.Password))
        return zvFail(QStringLiteral("--password-stdin: standard input holds no password"));

    TPageDocument document;
    if (!writePageFile(options.document, options.noLogo, document))
        return 1;

    TUploadJob job(UploadInputForServer(server, document.DocFileName(), HTMLFolder(), UploadStateFolder()));
    QObject::connect(&job, &TUploadJob::status, &job, [](const QString &text) { printLine(text); });
    QObject::connect(&job, &TUploadJob::problem, &job, [&job](TUploadProblem, const QString &message) {
        // The message box text may hold a line break between its two sentences.
        zvWarn(QString(message).replace(QLatin1String("\r\n"), QLatin1String(" ")));
        if (!job.ftp().LastErrorText.isEmpty())
            zvWarn(QStringLiteral("the server said: %1").arg(job.ftp().LastErrorText));
    });
    const bool succeeded = job.Run();

    for (const ResourceDetail &entry : job.UploadList()) {
        if (entry.Skipped())
            zvWarn(QStringLiteral("not sent: %1 (%2)").arg(entry.Reference, entry.SkipReason));
    }
    for (const QString &file : job.FailedFiles())
        zvWarn(QStringLiteral("could not send %1").arg(NativePath(file)));
    if (job.UnchangedFiles() > 0)
        printLine(QStringLiteral("%1 unchanged picture(s) already on the server").arg(job.UnchangedFiles()));
    if (!succeeded)
        return zvFail(QStringLiteral("the page was not published"));
    printLine(QStringLiteral("Published %1").arg(QFileInfo(document.PageFileName()).fileName()));
    return 0;
}

const ZvCommand command{"publish",
                        "send a document's page and pictures to a stored server: DOCUMENT --server NAME "
                        "[--password-stdin] [--no-logo]",
                        false, runPublish};

} // namespace

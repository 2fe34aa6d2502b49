#include "execfile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {
constexpr int kFileNotFound = 2;
constexpr int kProcessErrorBase = 100;
} // namespace

TExecFile::TExecFile(QObject *parent) : QObject(parent) {}

bool TExecFile::Execute()
{
    m_errorCode = 0;
    const QFileInfo info(CommandLine);
    if (info.isFile() && info.isExecutable())
        return startProgram();
    if (Associate)
        return openDocument();
    return fail(kFileNotFound);
}

bool TExecFile::startProgram()
{
    QStringList arguments = Parameters.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (Priority == pcIdle)
        arguments.prepend(CommandLine);
    const QString program = Priority == pcIdle ? QStringLiteral("nice") : CommandLine;
    if (!Wait) {
        if (!QProcess::startDetached(program, arguments))
            return fail(kProcessErrorBase + QProcess::FailedToStart);
        return true;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return fail(kProcessErrorBase + int(process.error()));
    if (WaitStyle == wSuspend) {
        process.waitForFinished(-1);
    } else {
        while (process.state() != QProcess::NotRunning) {
            process.waitForFinished(50);
            QCoreApplication::processEvents();
        }
    }
    return true;
}

bool TExecFile::openDocument()
{
    // The desktop's own opener finds the program associated with the document's type.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(CommandLine).absoluteFilePath())))
        return fail(kFileNotFound);
    return true;
}

bool TExecFile::fail(int code)
{
    m_errorCode = code;
    emit OnFail();
    return false;
}

#pragma once

#include <QObject>
#include <QString>

// Starts a program, or opens a document with the program the desktop associates with its type.
// The send stage uses it to show pages in the user's browser.
//
//     TExecFile exec;
//     exec.Associate = true;
//     exec.CommandLine = "/tmp/page.html";
//     connect(&exec, &TExecFile::OnFail, ...);
//     exec.Execute();
class TExecFile : public QObject {
    Q_OBJECT
public:
    enum TPriority { pcNormal, pcIdle, pcHigh, pcRealTime };
    enum TWaitStyle { wRegular, wSuspend };
    enum TWindowStyle { wsNorm, wsMinimize, wsMaximize, wsHide, wsMinNoActivate, wsShowNoActivate };

    explicit TExecFile(QObject *parent = nullptr);

    // When the command cannot be started as a program, open it as a document instead.
    bool Associate = false;
    // The program, or the document; a path with spaces is one path, never split.
    QString CommandLine;
    // Arguments for the program, separated by spaces.
    QString Parameters;
    // Raised priorities need rights a desktop program does not have here; pcIdle lowers the
    // started program's scheduling priority, the others leave it as it is.
    TPriority Priority = pcNormal;
    // Wait for a started program to end: with wRegular the user interface keeps running meanwhile,
    // with wSuspend it does not. A document opened through the desktop is never waited for.
    bool Wait = false;
    TWaitStyle WaitStyle = wRegular;
    // Desktops here let a program choose its own window; the style is kept for callers that set it.
    TWindowStyle WindowStyle = wsNorm;

    // Whether the program or document was started; on failure OnFail has been raised.
    bool Execute();

    // Why the last start failed: 0 when it worked, 2 (file not found) when there was nothing to
    // start and nothing opened the document, otherwise the QProcess error plus one hundred.
    int ErrorCode() const { return m_errorCode; }

signals:
    void OnFail();

private:
    bool startProgram();
    bool openDocument();
    bool fail(int code);

    int m_errorCode = 0;
};

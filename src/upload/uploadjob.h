#pragma once

#include "ftpcontrol.h"
#include "resourcedetail.h"
#include "uploadinput.h"
#include "uploadrecord.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The failures the user is told about in a message box.
enum class TUploadProblem {
    LoginFailed,     // connecting or logging in failed
    DirectoryFailed, // the remote folder could not be entered
    PageFailed,      // the page itself could not be sent
    HostKeyChanged,  // an SSH server shows another key than the one remembered for it
};

// One upload of a document's page and every local file it refers to, to one server. It reports
// what it does through signals and asks the user nothing: whoever runs it (the upload form, a
// command-line tool) shows the status texts and the problems as it sees fit.
//
//     TUploadJob job(input);
//     connect(&job, &TUploadJob::status, ...);
//     job.Run();            // blocks, keeping the event loop running
//     if (job.Succeeded()) ...
class TUploadJob : public QObject {
    Q_OBJECT
public:
    explicit TUploadJob(const TUploadInput &input, QObject *parent = nullptr);
    ~TUploadJob() override;

    // Connects, creates and enters the folders, sends the page and its files and disconnects.
    // Returns Succeeded().
    bool Run();
    // Stops the job as soon as possible; safe to call while Run is waiting on the server.
    void Cancel();

    bool Succeeded() const { return m_succeeded; }
    bool Cancelled() const { return m_cancelled; }
    // The files of the page, as found when Run started (skipped ones included).
    const TUploadList &UploadList() const { return m_uploadList; }
    // The files that could not be sent, by local path.
    const QStringList &FailedFiles() const { return m_failedFiles; }
    TFtpControl &ftp() { return m_ftp; }
    // Pictures left out because the server already has them as they are.
    int UnchangedFiles() const { return m_unchangedFiles; }

    // The text of a problem's message box.
    static QString ProblemText(TUploadProblem problem);
    // Whether a file with this extension ("html", ".HTM") is sent as text.
    static bool IsTextExtension(const QString &extension);

signals:
    void status(const QString &text);
    // Files handed over so far, of maximum.
    void progress(int position, int maximum);
    // Raised at the moment a failure that the user must hear about happens.
    void problem(TUploadProblem problem, const QString &message);

private:
    bool ConnectToServer();
    bool UploadAll();
    void SetTransferMode(const QString &fileName);
    void ShowFTPStatus(const QString &text);
    void ReportProblem(TUploadProblem problem);
    QString PreparePage(const QString &pagePath);
    void advance();
    // Whether the server still has the file exactly as it was last sent.
    bool AlreadyOnServer(const QString &remoteName, const TUploadRecord::TSentFile &local);
    void ftpDisconnect();

    TUploadInput m_input;
    TFtpControl m_ftp;
    TUploadList m_uploadList;
    QStringList m_failedFiles;
    TUploadRecord m_record;
    QString m_serverKey;
    int m_unchangedFiles = 0;
    std::unique_ptr<QTemporaryDir> m_copyFolder;
    bool m_cancelled = false;
    bool m_succeeded = false;
    bool m_running = false;
    int m_position = 0;
    int m_maximum = 0;
};

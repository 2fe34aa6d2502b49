#pragma once

#include "uploadinput.h"
#include "uploadjob.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// "Uploading Files to Web Server": the small modal window in which one upload runs. It starts
// the job a moment after it is shown (so the user sees it first), shows its status line and
// progress, puts its problems to the user, and closes when the job ends. Cancel stops the job at
// whatever step it is.
//
//     TfrmUpload frm(input, this);
//     frm.exec();
//     if (frm.Succeeded()) ...
class TfrmUpload : public QDialog {
    Q_OBJECT
public:
    explicit TfrmUpload(const TUploadInput &input, QWidget *parent = nullptr);
    ~TfrmUpload() override;

    bool Succeeded() const { return m_succeeded; }
    bool Cancelled() const { return m_cancelled; }
    TUploadJob &job() { return m_job; }

    QLabel *lblUpProgress = nullptr;
    QProgressBar *pbProgress = nullptr;
    QLabel *lblUpFTPStat = nullptr;
    QLabel *lblFTPStatus = nullptr;
    QPushButton *butCancel = nullptr;
    QLabel *imgLogo = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void timInitTimer();
    void DoUpload();
    void butCancelClick();
    void ShowProblem(TUploadProblem problem, const QString &message);

    TUploadJob m_job;
    QTimer *timInit = nullptr;
    bool m_running = false;
    bool m_started = false;
    bool m_cancelled = false;
    bool m_succeeded = false;
};

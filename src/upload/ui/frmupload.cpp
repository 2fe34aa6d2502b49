#include "frmupload.h"

#include "prompts.h"
#include "resourcebitmap.h"
#include "stringtable.h"
#include "testmode.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kStartDelayMs = 100;
constexpr int kLogoSize = 100;
} // namespace

TfrmUpload::TfrmUpload(const TUploadInput &input, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_job(input)
{
    FormCreate();
}

TfrmUpload::~TfrmUpload() = default;

void TfrmUpload::FormCreate()
{
    setObjectName(QStringLiteral("frmUpload"));
    setWindowTitle(LoadStr(200));
    setModal(true);
    QFont f = font();
    f.setFamily(LoadStr(32));
    setFont(f);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(ResourcePixmap(QStringLiteral("Splash"), QSize(kLogoSize, kLogoSize)));
    imgLogo->setFixedSize(kLogoSize, kLogoSize);
    lblUpProgress = new QLabel(LoadStr(201), this);
    lblUpProgress->setObjectName(QStringLiteral("lblUpProgress"));
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setRange(0, 100);
    pbProgress->setValue(0);
    lblUpFTPStat = new QLabel(LoadStr(202), this);
    lblUpFTPStat->setObjectName(QStringLiteral("lblUpFTPStat"));
    lblFTPStatus = new QLabel(this);
    lblFTPStatus->setObjectName(QStringLiteral("lblFTPStatus"));
    lblFTPStatus->setMinimumWidth(280);
    butCancel = new QPushButton(LoadStr(7), this);
    butCancel->setObjectName(QStringLiteral("butCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(imgLogo, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(lblUpProgress, 0, 1);
    grid->addWidget(pbProgress, 1, 1);
    grid->addWidget(lblUpFTPStat, 2, 1);
    grid->addWidget(lblFTPStatus, 3, 1);
    grid->addWidget(butCancel, 4, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    timInit = new QTimer(this);
    timInit->setSingleShot(true);
    timInit->setInterval(TimerInterval(kStartDelayMs));
    connect(timInit, &QTimer::timeout, this, &TfrmUpload::timInitTimer);
    connect(butCancel, &QPushButton::clicked, this, &TfrmUpload::butCancelClick);

    connect(&m_job, &TUploadJob::status, lblFTPStatus, &QLabel::setText);
    connect(&m_job, &TUploadJob::progress, this, [this](int position, int maximum) {
        pbProgress->setMaximum(maximum);
        pbProgress->setValue(position);
    });
    connect(&m_job, &TUploadJob::problem, this, &TfrmUpload::ShowProblem);
}

void TfrmUpload::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        timInit->start();
    }
}

void TfrmUpload::timInitTimer()
{
    timInit->stop();
    DoUpload();
}

void TfrmUpload::DoUpload()
{
    if (m_cancelled)
        return;
    m_running = true;
    m_succeeded = m_job.Run();
    m_running = false;
    if (m_job.Cancelled())
        m_cancelled = true;
    m_succeeded = m_succeeded && !m_cancelled;
    done(m_succeeded ? Accepted : Rejected);
}

void TfrmUpload::ShowProblem(TUploadProblem, const QString &message)
{
    Prompts::current().message(TMsgKind::Error, message, TMsgButtons::Ok, windowTitle());
}

void TfrmUpload::butCancelClick()
{
    m_cancelled = true;
    m_succeeded = false;
    m_job.Cancel();
    // A running job returns within a moment and closes the form; one that never started closes
    // it here.
    if (!m_running) {
        timInit->stop();
        lblFTPStatus->setText(QLatin1Char(' ') + LoadStr(203));
        QCoreApplication::processEvents();
        done(Rejected);
    }
}

void TfrmUpload::reject()
{
    // Escape, or closing the window some other way, means Cancel: the job must not be left running.
    butCancelClick();
}

void TfrmUpload::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        event->ignore();
        butCancelClick();
        return;
    }
    QDialog::closeEvent(event);
}

#include "sendstage.h"

#include "execfile.h"
#include "folders.h"
#include "frmserverwizard.h"
#include "frmupload.h"
#include "helpers.h"
#include "helpservice.h"
#include "page.h"
#include "pagedocument.h"
#include "prompts.h"
#include "sendweb.h"
#include "serverchoice.h"
#include "serverstore.h"
#include "serverupload.h"
#include "settings.h"
#include "stringtable.h"
#include "uploadfilelist.h"
#include "uploadlist.h"
#include "websprite.h"
#include "webtour.h"
#include "zorvinreg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr int kLeftColumnWidth = 166;

// What the program remembers between uploads (what went to which server, the SSH host keys it
// has seen) lies beside the settings file, which is the user's own and readable by nobody else.
QString StateFolder()
{
    return QFileInfo(SettingsStore::open()->fileName()).absolutePath();
}

} // namespace

TSendStage::TSendStage(TPageDocument &document, QWidget *parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("pnlSendStage"));
    buildControls();
    loadLists();

    connect(&document, &TPageDocument::saved, this, &TSendStage::refreshUploadList);
    connect(&document, &TPageDocument::pageFileSaved, this, &TSendStage::refreshUploadList);
    // Only the user's clicks change the page; the box merely follows the page otherwise.
    connect(chkLogo, &QCheckBox::clicked, this, &TSendStage::chkLogoClick);
    connect(&document.page(), &TPage::logoChanged, chkLogo,
            [this](TLogoOption logo) { chkLogo->setChecked(logo == TLogoOption::On); });
}

TSendStage::~TSendStage() = default;

void TSendStage::buildControls()
{
    lblUpServer = new QLabel(LoadStr(5002), this);
    lblUpServer->setObjectName(QStringLiteral("lblUpServer"));
    cmbServers = new QComboBox(this);
    cmbServers->setObjectName(QStringLiteral("cmbServers"));
    spdEditWWW = new QPushButton(LoadStr(5001), this);
    spdEditWWW->setObjectName(QStringLiteral("spdEditWWW"));
    lblUploadFiles = new QLabel(LoadStr(5005), this);
    lblUploadFiles->setObjectName(QStringLiteral("lblUploadFiles"));
    lstFiles = new QListWidget(this);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSelectionMode(QAbstractItemView::NoSelection);
    chkLogo = new QCheckBox(LoadStr(5006), this);
    chkLogo->setObjectName(QStringLiteral("chkLogo"));
    chkLogo->setChecked(m_document.page().logo() == TLogoOption::On);
    // A screen reader names the box and the list after the labels above them, and Enter presses
    // the button as Space does.
    lblUpServer->setBuddy(cmbServers);
    cmbServers->setAccessibleName(lblUpServer->text().trimmed());
    lblUploadFiles->setBuddy(lstFiles);
    lstFiles->setAccessibleName(lblUploadFiles->text().trimmed());
    spdEditWWW->setAutoDefault(true);

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(3);
    left->addWidget(lblUpServer);
    left->addWidget(cmbServers);
    left->addWidget(spdEditWWW);
    left->addSpacing(4);
    left->addWidget(lblUploadFiles);
    left->addWidget(lstFiles, 1);
    left->addWidget(chkLogo);
    auto *leftColumn = new QWidget(this);
    leftColumn->setObjectName(QStringLiteral("pnlSendLeft"));
    leftColumn->setLayout(left);
    leftColumn->setFixedWidth(kLeftColumnWidth);

    m_web = new TSendWeb(this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    row->addWidget(leftColumn);
    row->addWidget(m_web, 0, Qt::AlignTop);
    // Down the left column, then on to the web with the page that starts the upload.
    QWidget::setTabOrder(cmbServers, spdEditWWW);
    QWidget::setTabOrder(spdEditWWW, lstFiles);
    QWidget::setTabOrder(lstFiles, chkLogo);
    QWidget::setTabOrder(chkLogo, m_web->imgUpload);

    m_execFile = new TExecFile(this);
    m_execFile->Associate = true;
    m_execFile->Wait = false;

    connect(cmbServers, &QComboBox::currentIndexChanged, this, &TSendStage::cmbServersChange);
    connect(spdEditWWW, &QPushButton::clicked, this, &TSendStage::spdEditWWWClick);
    connect(m_web->imgUpload, &TWebSprite::clicked, this, &TSendStage::imgUploadClick);
    connect(m_web, &TSendWeb::uploadAnimationDone, this, &TSendStage::uploadAnimationDone);
    connect(m_web, &TSendWeb::sightClicked, this, &TSendStage::sightClicked);
    connect(m_execFile, &TExecFile::OnFail, this, &TSendStage::ExecFileFail);
}

void TSendStage::loadLists()
{
    m_servers = LoadServers(&m_loadWarnings);
    m_isps = LoadISPs(ServersFolder(), &m_loadWarnings);
}

void TSendStage::showLoadWarnings()
{
    if (m_loadWarnings.isEmpty())
        return;
    // Shown once: what could not be read stays unread until the program starts again.
    const QString text = m_loadWarnings.join(QStringLiteral("\r\n"));
    m_loadWarnings.clear();
    Prompts::current().message(TMsgKind::Warning, text, TMsgButtons::Ok);
}

void TSendStage::enterStage()
{
    m_web->enterStage();
    ShowServers();
    refreshUploadList();
    showLoadWarnings();
}

void TSendStage::leaveStage()
{
    m_web->leaveStage();
}

bool TSendStage::isFlashing() const
{
    return m_web->isFlashing();
}

// ---- servers ----

void TSendStage::ShowServers()
{
    m_showingServers = true;
    cmbServers->clear();
    const QStringList names = ServerBoxNames(m_servers);
    cmbServers->addItems(names);
    cmbServers->setCurrentIndex(ServerBoxSelection(names, ReadLastServer()));
    m_showingServers = false;
}

void TSendStage::cmbServersChange(int index)
{
    if (m_showingServers || index < 0)
        return;
    QCoreApplication::processEvents();
    WriteLastServer(cmbServers->currentText());
    QCoreApplication::processEvents();
}

void TSendStage::spdEditWWWClick()
{
    TfrmServerWizard wizard(m_servers, m_isps, window());
    connect(&wizard, &TfrmServerWizard::whatsThisRequested, &wizard,
            [](int topic, QPoint at) { THelpService::current().ShowWhatsThis(topic, at); });
    wizard.exec();
    ShowServers();
}

// ---- files ----

void TSendStage::refreshUploadList()
{
    m_uploadList = BuildUploadListForDocument(m_document.DocFileName(), HTMLFolder());
    UpdateFileList();
}

void TSendStage::UpdateFileList()
{
    lstFiles->clear();
    lstFiles->addItems(UploadFileListLines(m_uploadList, m_document.DocFileName()));
}

void TSendStage::chkLogoClick(bool checked)
{
    // The logo goes into (or out of) the page HTML text, and the page file that is sent follows
    // at once; writing the file rebuilds the list of files to upload.
    m_document.page().changeLogo(checked ? TLogoOption::On : TLogoOption::Off);
    if (!m_document.DocFileName().isEmpty())
        m_document.savePageFile();
}

// ---- the upload ----

void TSendStage::imgUploadClick()
{
    if (cmbServers->count() == 0) {
        Prompts::current().message(TMsgKind::Information, LoadStr(35), TMsgButtons::Ok);
        return;
    }
    if (m_document.DocFileName().isEmpty()) {
        Prompts::current().message(TMsgKind::Information, LoadStr(34), TMsgButtons::Ok);
        return;
    }
    if (m_web->isAnimatingUpload())
        return;
    m_web->startUploadAnimation();
}

void TSendStage::uploadAnimationDone()
{
    if (!UploadFiles()) {
        m_web->uploadEnded(false);
        return;
    }
    emit uploadSucceeded();
    if (ReadSetting(QStringLiteral("General"), QStringLiteral("ShowJoy")) != QLatin1String("No")) {
        const TNoticeAnswer answer = Prompts::current().uploadSuccess();
        if (answer.dontShowAgain)
            WriteSetting(QStringLiteral("General"), QStringLiteral("ShowJoy"), QStringLiteral("No"));
    }
    m_web->uploadEnded(true);
}

bool TSendStage::UploadFiles()
{
    // The server is found by its name: the box leaves out servers without one, so its row need
    // not be the server's place in the list.
    const tWWWServerType *server = FindServer(m_servers, cmbServers->currentText());
    if (!server)
        return false;
    TfrmUpload upload(UploadInputForServer(*server, m_document.DocFileName(), HTMLFolder(), StateFolder()),
                      window());
    upload.exec();
    return upload.Succeeded();
}

// ---- the browser ----

void TSendStage::sightClicked(int index)
{
    if (index == YourPageIndex) {
        imgYourPageClick();
        return;
    }
    OpenInBrowser(QLatin1String(WebSights()[size_t(index)].address));
}

void TSendStage::imgYourPageClick()
{
    if (!m_web->Uploaded())
        return;
    const tWWWServerType *server = FindServer(m_servers, cmbServers->currentText());
    OpenInBrowser(YourPageAddress(server ? server->URL : QString(), m_document.DocFileName()));
}

void TSendStage::OpenInBrowser(const QString &address)
{
    const QString file = PreviewFileName();
    QFile page(file);
    const QByteArray text = RedirectPage(address);
    // A redirect page that could not be written would send the browser to an older address.
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) || page.write(text) != text.size()) {
        ExecFileFail();
        return;
    }
    page.close();
    m_execFile->CommandLine = file;
    m_execFile->Execute();
}

void TSendStage::ExecFileFail()
{
    Prompts::current().message(TMsgKind::Error, LoadStr(5079), TMsgButtons::Ok);
}

#include "frmserverwizard.h"

#include "connectiontest.h"
#include "ftpcontrol.h"
#include "helpservice.h"
#include "isplist.h"
#include "resourcebitmap.h"
#include "serverstore.h"
#include "serverupload.h"
#include "serverurl.h"
#include "serverwizadvancedpage.h"
#include "serverwizisppage.h"
#include "serverwizserverpage.h"
#include "stringtable.h"
#include "wizardlistpage.h"
#include "wizardwelcomepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include <utility>

namespace {

const QString kPublicHtml = QStringLiteral("public_html");

TWizardWelcomeTexts welcomeTexts()
{
    TWizardWelcomeTexts texts;
    texts.Picture = ResourcePixmap(QStringLiteral("ServerWiz"));
    texts.Heading = 600;
    texts.Explanation = 601;
    texts.Hint = 602;
    texts.AddName = QStringLiteral("RadioButton1");
    texts.ModifyName = QStringLiteral("RadioButton2");
    texts.DeleteName = QStringLiteral("RadioButton3");
    texts.Add = 603;
    texts.Modify = 604;
    texts.Delete = 605;
    return texts;
}

TWizardListTexts listTexts()
{
    TWizardListTexts texts;
    texts.PageName = QStringLiteral("tab4");
    texts.ListName = QStringLiteral("lstServers");
    texts.ListTitle = QStringLiteral("WWW Server List");
    texts.FirstName = QStringLiteral("lblModDesc");
    texts.SecondName = QStringLiteral("lblDelDesc");
    texts.First = 614;
    texts.Second = 615;
    texts.Modify = 617;
    texts.Delete = 616;
    texts.Up = QIcon(ResourceBitmapPath(QStringLiteral("ServerWizUp")));
    texts.Down = QIcon(ResourceBitmapPath(QStringLiteral("ServerWizDown")));
    texts.Removal = TWizardRemoval::SelectNothing;
    return texts;
}

// Servers without a name are never stored, so the wizard does not show them either; this keeps
// the list's rows and the working copy's entries one to one.
TServerList namedServers(const TServerList &servers)
{
    TServerList named;
    for (const tWWWServerType &server : servers) {
        if (!server.Name.isEmpty())
            named.append(server);
    }
    return named;
}

} // namespace

static void initServerWizResources()
{
    Q_INIT_RESOURCE(serverwiz);
}

TfrmServerWizard::TfrmServerWizard(TServerList &serverList, const TISPList &isps, QWidget *parent)
    : TWizardFrame(QStringLiteral("frmServerWizard"), LoadStr(699), QStringLiteral("pagServer"), parent),
      m_serverList(serverList), m_isps(isps), m_servers(namedServers(serverList))
{
    initServerWizResources();
    buildForm();
    connectHandlers();
    // F1 anywhere in the wizard asks for the topic the Help button shows.
    SetHelpContext(this, HelpTopic);

    const bool loading = std::exchange(m_serverLoading, true);
    showPage(TPage::Welcome);
    LoadWWWList();
    FillISPBox();
    m_serverLoading = loading;
}

TfrmServerWizard::~TfrmServerWizard() = default;

void TfrmServerWizard::buildForm()
{
    m_welcome = new TWizardWelcomePage(welcomeTexts(), pageStack());
    m_isp = new TServerWizISPPage(pageStack());
    m_server = new TServerWizServerPage(pageStack());
    m_advanced = new TServerWizAdvancedPage(pageStack());
    m_list = new TWizardListPage(listTexts(), pageStack());
    // In the order of TPage.
    finishFrame({m_welcome, m_isp, m_server, m_advanced, m_list}, QSize(620, 400));
}

void TfrmServerWizard::connectHandlers()
{
    connect(NextButt, &QPushButton::clicked, this, &TfrmServerWizard::NextButtClick);
    connect(BackButt, &QPushButton::clicked, this, &TfrmServerWizard::BackButtClick);
    connect(FinishButt, &QPushButton::clicked, this, &TfrmServerWizard::FinishButtClick);
    connect(butHelp, &QPushButton::clicked, this, &TfrmServerWizard::butHelpClick);
    connect(m_isp, &TServerWizISPPage::whatsThisRequested, this,
            [this](QPoint at) { emit whatsThisRequested(HelpTopic, at); });

    const std::pair<QRadioButton *, TServerWizMode> modes[] = {
        {m_welcome->radAdd, TServerWizMode::Add},
        {m_welcome->radModify, TServerWizMode::Modify},
        {m_welcome->radDelete, TServerWizMode::Delete}};
    for (const auto &[button, mode] : modes) {
        connect(button, &QRadioButton::toggled, this, [this, mode = mode](bool on) {
            if (on)
                m_mode = mode;
        });
    }

    connect(m_server->txtName, &QLineEdit::textChanged, this, &TfrmServerWizard::txtNameChange);
    connect(m_server->txtAddress, &QLineEdit::textChanged, this, &TfrmServerWizard::txtAddressChange);
    connect(m_server->txtLogin, &QLineEdit::textChanged, this, &TfrmServerWizard::txtLoginChange);
    connect(m_server->txtPassword, &QLineEdit::textChanged, this, &TfrmServerWizard::txtPasswordChange);
    connect(m_server->butAdvanced, &QPushButton::clicked, this, &TfrmServerWizard::butAdvancedClick);
    connect(m_server->butTest, &QPushButton::clicked, this, &TfrmServerWizard::butTestClick);
    connect(m_advanced->txtDirectory, &QLineEdit::textChanged, this, &TfrmServerWizard::txtDirectoryChange);
    connect(m_advanced->txtURL, &QLineEdit::textChanged, this, &TfrmServerWizard::txtURLChange);
    connect(m_advanced->chkDir, &QCheckBox::toggled, this, &TfrmServerWizard::chkDirClick);
    connect(m_isp->cmbServerType, &QComboBox::currentIndexChanged, this,
            &TfrmServerWizard::cmbServerTypeChange);

    connect(m_list->lstItems, &QListWidget::currentRowChanged, this, &TfrmServerWizard::lstServersClick);
    connect(m_list->lstItems, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_mode == TServerWizMode::Modify && page() == TPage::List)
            NextButtClick();
    });
    connect(m_list->spbUp, &QToolButton::clicked, this, &TfrmServerWizard::spbUpClick);
    connect(m_list->spbDown, &QToolButton::clicked, this, &TfrmServerWizard::spbDownClick);
    connect(m_list->butDelete, &QPushButton::clicked, this, &TfrmServerWizard::butDeleteClick);
}

TfrmServerWizard::TPage TfrmServerWizard::page() const
{
    return TPage(currentPage());
}

void TfrmServerWizard::showPage(TPage page)
{
    setCurrentPage(int(page));
    if (page == TPage::Server) {
        // A result shown earlier may be about other details.
        m_server->lblTestResult->clear();
        m_server->txtName->setFocus();
    } else if (page == TPage::List)
        m_list->lstItems->setFocus();
}

void TfrmServerWizard::warn(const QString &text)
{
    Prompts::current().message(TMsgKind::Warning, text, TMsgButtons::Ok, LoadStr(699));
}

// ---- moving through the pages ----

void TfrmServerWizard::NextButtClick()
{
    const TPage from = page();
    ShowNext();
    m_list->butDelete->show();
    m_list->lblModify->hide();
    m_list->lblDelete->hide();

    switch (from) {
    case TPage::Welcome:
        if (m_mode == TServerWizMode::Add) {
            m_servers.startFresh();
            ClearServer();
            showPage(TPage::ISP);
        } else if (m_mode == TServerWizMode::Modify) {
            m_list->butDelete->hide();
            m_list->lblSecond->hide();
            m_list->lblModify->show();
            m_list->lblFirst->show();
            showPage(TPage::List);
        } else {
            m_list->lblFirst->hide();
            m_list->lblSecond->show();
            m_list->lblDelete->show();
            showPage(TPage::List);
            ShowFinish();
        }
        break;
    case TPage::List:
        // Without a selected server there is nothing to modify; the page stays as it was, so
        // that no edits go into a record that is in no list.
        if (!m_servers.select(selectedServer())) {
            m_list->butDelete->hide();
            m_list->lblModify->show();
            return;
        }
        ShowMyDetails();
        m_isp->cmbServerType->setCurrentIndex(FindISP(m_isps, m_servers.current().ISP) + 1);
        showPage(TPage::ISP);
        break;
    case TPage::ISP: {
        QLineEdit *txtAddress = m_server->txtAddress;
        txtAddress->setReadOnly(false);
        setLoginEnabled(true);
        setPrompts(m_isp->cmbServerType->currentText() == QLatin1String("GeoCities"));
        const tWWWServerType &server = m_servers.current();
        if (const ISPDetails *isp = chosenISP()) {
            m_selectedISP = *isp;
            store(&tWWWServerType::ISP, isp->Name);
            fill(m_server->txtName, m_mode == TServerWizMode::Add ? isp->Name : server.Name);
            // A definition that names no address (a kind of host rather than one provider)
            // leaves the address to the user.
            if (!isp->Address.isEmpty()) {
                fill(txtAddress, isp->Address);
                txtAddress->setReadOnly(true);
            } else {
                fill(txtAddress, server.Address);
            }
            if (!isp->Login)
                setLoginEnabled(false);
        } else {
            // A server set up by hand is no longer tied to the definition it may have come from.
            store(&tWWWServerType::ISP, QString());
            fill(m_server->txtName, server.Name);
            fill(txtAddress, server.Address);
            fill(m_advanced->txtDirectory, server.Directory);
            fill(m_advanced->txtURL, server.URL);
        }
        showPage(TPage::Server);
        ShowFinish();
        break;
    }
    case TPage::Server:
        if (m_mode == TServerWizMode::Add && CheckFields()) {
            if (m_advanced->txtURL->text().isEmpty())
                fill(m_advanced->txtURL, BuildURL());
            const QString directory = m_servers.current().Directory;
            fill(m_advanced->txtDirectory, directory.isEmpty() ? kPublicHtml : directory);
            showPage(TPage::List);
            ShowFinish();
        }
        break;
    case TPage::Advanced:
        break;
    }
}

void TfrmServerWizard::BackButtClick()
{
    ShowNext();
    m_list->butDelete->hide();
    m_list->lblModify->hide();
    m_list->lblDelete->hide();
    m_list->lblSecond->hide();
    m_list->lblFirst->hide();

    switch (page()) {
    case TPage::ISP:
        if (m_mode == TServerWizMode::Modify) {
            m_list->lblFirst->show();
            m_list->lblModify->show();
            showPage(TPage::List);
        } else {
            showPage(TPage::Welcome);
        }
        break;
    case TPage::Advanced:
        showPage(TPage::Server);
        ShowFinish();
        break;
    case TPage::List:
        showPage(m_mode == TServerWizMode::Add ? TPage::Server : TPage::Welcome);
        break;
    case TPage::Server:
        showPage(TPage::ISP);
        break;
    case TPage::Welcome:
        break;
    }
}

void TfrmServerWizard::FinishButtClick()
{
    // A description with "/" or "\" cannot be stored as one server: refuse it before anything
    // is added or asked.
    const auto badName = [this](const tWWWServerType &server) {
        const QString problem = ServerNameProblem(server.Name);
        if (problem.isEmpty())
            return false;
        warn(problem);
        return true;
    };
    if (badName(m_servers.current())) {
        if (page() == TPage::Server)
            m_server->txtName->setFocus();
        return;
    }
    for (int i = 0; i < m_servers.count(); ++i) {
        if (badName(m_servers.at(i)))
            return;
    }

    if (m_mode == TServerWizMode::Add) {
        if (!m_advancedShown)
            store(&tWWWServerType::URL, BuildURL());
        SetGeoCitiesDetails();
        // After a cancelled save question the new server is in the list already; a second
        // Finish must not add it twice.
        if (m_servers.appendCurrent())
            m_list->addName(m_servers.current().Name);
    }
    switch (AskForSave()) {
    case TMsgResult::Yes:
        if (WriteServerInfo())
            accept();
        break;
    case TMsgResult::Cancel:
        break;
    default:
        reject();
        break;
    }
}

void TfrmServerWizard::butHelpClick()
{
    THelpService::current().ShowTopic(HelpTopic);
}

void TfrmServerWizard::butTestClick()
{
    if (m_testFtp)
        return;
    QPushButton *butTest = m_server->butTest;
    QLabel *lblTestResult = m_server->lblTestResult;
    butTest->setEnabled(false);
    lblTestResult->setText(QStringLiteral("Trying to log in..."));

    // The control does its waiting on a worker thread and keeps this window's events running, so
    // the wizard stays alive and Cancel can stop the test.
    TFtpControl ftp;
    m_testFtp = &ftp;
    // A GeoCities-type provider's folder is set on Finish; the test tries the one Finish sets.
    const TUploadInput details =
        UploadInputForServer(ServerAsFinished(), QString(), QString(), UploadStateFolder());
    const TConnectionReport report = TestServerConnection(details, ftp);
    m_testFtp = nullptr;

    lblTestResult->setText(report.Text);
    butTest->setEnabled(true);
}

void TfrmServerWizard::done(int result)
{
    if (m_testFtp)
        m_testFtp->Abort();
    TWizardFrame::done(result);
}

TMsgResult TfrmServerWizard::AskForSave()
{
    if (!m_servers.changed())
        return TMsgResult::No;
    return Prompts::current().message(TMsgKind::Confirmation, LoadStr(618), TMsgButtons::YesNoCancel,
                                      LoadStr(619));
}

bool TfrmServerWizard::WriteServerInfo()
{
    const TServerList servers = namedServers(m_servers.servers());
    QString error;
    if (!SaveServers(servers, &error)) {
        // The program's list and the stored one are both unchanged; the user may try again or
        // cancel.
        Prompts::current().message(TMsgKind::Error, error, TMsgButtons::Ok, LoadStr(699));
        return false;
    }
    m_serverList = servers;
    m_servers.markSaved();
    return true;
}

// ---- the server being edited ----

void TfrmServerWizard::store(QString tWWWServerType::*field, const QString &text)
{
    tWWWServerType &server = m_servers.current();
    if (server.*field == text)
        return;
    server.*field = text;
    m_servers.markChanged();
}

void TfrmServerWizard::fill(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        emit edit->textChanged(text);
    else
        edit->setText(text);
}

void TfrmServerWizard::fillCheck(bool checked)
{
    if (m_advanced->chkDir->isChecked() == checked)
        chkDirClick(checked);
    else
        m_advanced->chkDir->setChecked(checked);
}

void TfrmServerWizard::txtNameChange(const QString &text)
{
    if (m_serverLoading)
        return;
    store(&tWWWServerType::Name, text);
    // A renamed server shows its new name when the user goes back to the list.
    m_list->setName(m_servers.currentIndex(), text);
}

void TfrmServerWizard::txtAddressChange(const QString &text)
{
    if (!m_serverLoading)
        store(&tWWWServerType::Address, text);
}

void TfrmServerWizard::txtLoginChange(const QString &text)
{
    if (!m_serverLoading)
        store(&tWWWServerType::UserName, text);
}

void TfrmServerWizard::txtPasswordChange(const QString &text)
{
    if (!m_serverLoading)
        store(&tWWWServerType::Password, text);
}

void TfrmServerWizard::txtDirectoryChange(const QString &text)
{
    // For GeoCities the field holds the neighbourhood.
    if (!m_serverLoading)
        store(geoCitiesChosen() ? &tWWWServerType::ExtendedA : &tWWWServerType::Directory, text);
}

void TfrmServerWizard::txtURLChange(const QString &text)
{
    // For GeoCities the field holds the address number.
    if (!m_serverLoading)
        store(geoCitiesChosen() ? &tWWWServerType::ExtendedB : &tWWWServerType::URL, text);
}

void TfrmServerWizard::chkDirClick(bool checked)
{
    if (m_serverLoading)
        return;
    tWWWServerType &server = m_servers.current();
    if (server.FlatDir == checked)
        return;
    server.FlatDir = checked;
    m_servers.markChanged();
}

void TfrmServerWizard::cmbServerTypeChange()
{
    if (chosenISP()) {
        m_advanced->setDetailsEnabled(false);
        return;
    }
    m_advanced->setDetailsEnabled(true);
    const QString directory = m_servers.current().Directory;
    fill(m_advanced->txtDirectory, directory.isEmpty() ? kPublicHtml : directory);
}

void TfrmServerWizard::butAdvancedClick()
{
    if (!CheckFields())
        return;
    m_advanced->setDetailsEnabled(true);
    const tWWWServerType &server = m_servers.current();
    if (const ISPDetails *isp = chosenISP()) {
        if (!IsGeoCities(isp->Name)) {
            m_advanced->setDetailsEnabled(false);
            fill(m_advanced->txtDirectory, isp->Directory);
            fill(m_advanced->txtURL, BuildURL());
        } else {
            fill(m_advanced->txtDirectory, server.ExtendedA);
            fill(m_advanced->txtURL, server.ExtendedB);
        }
        fillCheck(!isp->CreateDir);
    } else {
        if (m_mode == TServerWizMode::Add && m_advanced->txtURL->text().isEmpty())
            fill(m_advanced->txtURL, BuildURL());
        const bool fresh = m_mode == TServerWizMode::Add && server.Directory.isEmpty();
        fill(m_advanced->txtDirectory, fresh ? kPublicHtml : server.Directory);
        fillCheck(server.FlatDir);
    }
    showPage(TPage::Advanced);
    m_advancedShown = true;
}

bool TfrmServerWizard::CheckFields()
{
    if (m_server->txtName->text().isEmpty()) {
        warn(LoadStr(620));
        return false;
    }
    const QString problem = ServerNameProblem(m_server->txtName->text());
    if (!problem.isEmpty()) {
        warn(problem);
        return false;
    }
    if (m_server->txtAddress->text().isEmpty()) {
        warn(LoadStr(621));
        return false;
    }
    // A provider that needs no login has its login field switched off; it may stay empty.
    if (m_server->txtLogin->isEnabled() && m_server->txtLogin->text().isEmpty()) {
        warn(LoadStr(622));
        return false;
    }
    return true;
}

QString TfrmServerWizard::BuildURL() const
{
    const ISPDetails *isp = chosenISP();
    if (!isp) {
        const tWWWServerType &server = m_servers.current();
        return ::BuildURL(nullptr, server.Address, server.UserName);
    }
    return ::BuildURL(isp, m_server->txtAddress->text(), m_server->txtLogin->text(),
                      m_advanced->txtDirectory->text(), m_advanced->txtURL->text());
}

tWWWServerType TfrmServerWizard::ServerAsFinished() const
{
    tWWWServerType server = m_servers.current();
    if (IsGeoCities(server.ISP)) {
        server.Directory = m_selectedISP.Directory;
        server.ExtendedA = m_advanced->txtDirectory->text();
        server.ExtendedB = m_advanced->txtURL->text();
        server.URL = BuildURL();
    }
    return server;
}

void TfrmServerWizard::SetGeoCitiesDetails()
{
    const tWWWServerType finished = ServerAsFinished();
    for (QString tWWWServerType::*field : {&tWWWServerType::Directory, &tWWWServerType::ExtendedA,
                                           &tWWWServerType::ExtendedB, &tWWWServerType::URL})
        store(field, finished.*field);
}

void TfrmServerWizard::ClearServer()
{
    fill(m_server->txtName, QString());
    fill(m_server->txtAddress, QString());
    fill(m_server->txtLogin, QString());
    fill(m_server->txtPassword, QString());
    m_isp->cmbServerType->setCurrentIndex(0);
    fill(m_advanced->txtDirectory, kPublicHtml);
    fill(m_advanced->txtURL, QString());
}

void TfrmServerWizard::ClearFields()
{
    const bool loading = std::exchange(m_serverLoading, true);
    m_server->txtName->clear();
    m_server->txtAddress->clear();
    m_server->txtLogin->clear();
    m_server->txtPassword->clear();
    m_advanced->txtURL->clear();
    m_advanced->txtDirectory->setText(kPublicHtml);
    m_serverLoading = loading;
}

void TfrmServerWizard::ShowMyDetails()
{
    const bool loading = std::exchange(m_serverLoading, true);
    const tWWWServerType &server = m_servers.current();
    m_server->txtName->setText(server.Name);
    m_server->txtAddress->setText(server.Address);
    m_server->txtLogin->setText(server.UserName);
    m_server->txtPassword->setText(server.Password);
    m_isp->cmbServerType->setCurrentIndex(FindISP(m_isps, server.ISP) + 1);
    m_advanced->txtDirectory->setText(server.Directory);
    // The stored web address, always: the user sees what the upload will announce.
    m_advanced->txtURL->setText(server.URL);
    m_advanced->chkDir->setChecked(server.FlatDir);
    m_serverLoading = loading;
}

const ISPDetails *TfrmServerWizard::chosenISP() const
{
    const int index = m_isp->cmbServerType->currentIndex();
    return index >= 1 && index <= m_isps.size() ? &m_isps[index - 1] : nullptr;
}

bool TfrmServerWizard::geoCitiesChosen() const
{
    return IsGeoCities(m_isp->cmbServerType->currentText());
}

void TfrmServerWizard::setPrompts(bool geoCities)
{
    m_server->lblLogin->setText(LoadStr(geoCities ? 623 : 609));
    m_server->lblPassword->setText(LoadStr(geoCities ? 624 : 608));
    m_advanced->lblDir->setText(LoadStr(geoCities ? 625 : 612));
    m_advanced->lblURL->setText(LoadStr(geoCities ? 626 : 613));
}

void TfrmServerWizard::setLoginEnabled(bool enabled)
{
    m_server->lblLogin->setEnabled(enabled);
    m_server->txtLogin->setEnabled(enabled);
    m_server->lblPassword->setEnabled(enabled);
    m_server->txtPassword->setEnabled(enabled);
}

// ---- the list page ----

void TfrmServerWizard::LoadWWWList()
{
    QStringList names;
    for (int i = 0; i < m_servers.count(); ++i)
        names << m_servers.at(i).Name;
    m_list->setNames(names);
}

void TfrmServerWizard::FillISPBox()
{
    QComboBox *box = m_isp->cmbServerType;
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItem(LoadStr(629));
    for (const ISPDetails &isp : m_isps)
        box->addItem(isp.Name);
    box->setCurrentIndex(0);
}

int TfrmServerWizard::selectedServer() const
{
    const int row = m_list->selectedRow();
    return row < m_servers.count() ? row : -1;
}

void TfrmServerWizard::lstServersClick()
{
    if (m_servers.select(selectedServer()))
        ShowMyDetails();
}

void TfrmServerWizard::spbUpClick()
{
    const int row = selectedServer();
    if (m_servers.moveUp(row))
        m_list->moveRow(row, row - 1);
}

void TfrmServerWizard::spbDownClick()
{
    const int row = selectedServer();
    if (m_servers.moveDown(row))
        m_list->moveRow(row, row + 1);
}

void TfrmServerWizard::RemoveWWWServer(int row)
{
    if (m_servers.remove(row))
        m_list->removeRow(row);
}

void TfrmServerWizard::butDeleteClick()
{
    const int row = selectedServer();
    if (row < 0)
        return;
    RemoveWWWServer(row);
    m_servers.startFresh();
    ClearFields();
}

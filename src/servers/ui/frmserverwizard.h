#pragma once

#include "ispdetails.h"
#include "prompts.h"
#include "serverworkinglist.h"
#include "wizardframe.h"
#include "wwwserver.h"

#include <QPoint>
#include <QString>

class QLineEdit;
class TFtpControl;
class TServerWizAdvancedPage;
class TServerWizISPPage;
class TServerWizServerPage;
class TWizardListPage;
class TWizardWelcomePage;

// What the wizard does with the server list; follows the three radio buttons of the first page.
enum class TServerWizMode { Add = 0, Modify = 1, Delete = 2 };

// The server wizard: a modal dialog in which the user adds, modifies, deletes and reorders the web
// servers of the program's server list, with the ISP definitions offered as templates. It edits a
// working copy of the list; only Finish with Yes to the save question replaces serverList and
// writes it to the settings store.
//
//     TfrmServerWizard wizard(ServerList, ISPList, this);
//     wizard.exec(); // Accepted when the list was saved
class TfrmServerWizard : public TWizardFrame {
    Q_OBJECT
public:
    TfrmServerWizard(TServerList &serverList, const TISPList &isps, QWidget *parent = nullptr);
    ~TfrmServerWizard() override;

    // The help topic the Help button shows.
    static constexpr int HelpTopic = 79;

    TServerWizMode ServerWizMode() const { return m_mode; }
    bool ServersChanged() const { return m_servers.changed(); }
    const TServerWorkingList &WorkingServers() const { return m_servers; }
    const tWWWServerType &CurrentServer() const { return m_servers.current(); }

    // Closing the wizard stops a connection test that is still running.
    void done(int result) override;

signals:
    void whatsThisRequested(int topic, QPoint globalPosition);

private:
    enum class TPage { Welcome, ISP, Server, Advanced, List };

    void buildForm();
    void connectHandlers();
    TPage page() const;
    void showPage(TPage page);

    void NextButtClick();
    void BackButtClick();
    void FinishButtClick();
    void butHelpClick();
    void txtNameChange(const QString &text);
    void txtAddressChange(const QString &text);
    void txtLoginChange(const QString &text);
    void txtPasswordChange(const QString &text);
    void txtDirectoryChange(const QString &text);
    void txtURLChange(const QString &text);
    void chkDirClick(bool checked);
    void cmbServerTypeChange();
    void butAdvancedClick();
    void butTestClick();
    void lstServersClick();
    void spbUpClick();
    void spbDownClick();
    void butDeleteClick();

    void LoadWWWList();
    void FillISPBox();
    void ClearFields();
    void ClearServer();
    void ShowMyDetails();
    bool CheckFields();
    QString BuildURL() const;
    // The edited server as Finish stores it: a GeoCities-type provider's folder and web address
    // come from the provider's definition and the advanced page.
    tWWWServerType ServerAsFinished() const;
    void SetGeoCitiesDetails();
    void RemoveWWWServer(int row);
    TMsgResult AskForSave();
    bool WriteServerInfo();

    // The definition chosen in the ISP box; nullptr for "Common".
    const ISPDetails *chosenISP() const;
    bool geoCitiesChosen() const;
    void setPrompts(bool geoCities);
    void setLoginEnabled(bool enabled);
    // Sets a field so that its change handler runs even when the text stays the same: the record
    // then always holds what the field shows.
    void fill(QLineEdit *edit, const QString &text);
    void fillCheck(bool checked);
    // Stores a field's text into the record, counting it as an edit only when it differs.
    void store(QString tWWWServerType::*field, const QString &text);
    int selectedServer() const;
    void warn(const QString &text);

    TServerList &m_serverList;
    TISPList m_isps;
    TServerWorkingList m_servers;
    TServerWizMode m_mode = TServerWizMode::Add;
    // Set while the fields are filled from a record: the change handlers then neither copy the
    // texts back nor count the filling as an edit.
    bool m_serverLoading = false;
    bool m_advancedShown = false;
    ISPDetails m_selectedISP;
    // The control of the connection test in progress; nullptr when none runs.
    TFtpControl *m_testFtp = nullptr;

    TWizardWelcomePage *m_welcome = nullptr;
    TServerWizISPPage *m_isp = nullptr;
    TServerWizServerPage *m_server = nullptr;
    TServerWizAdvancedPage *m_advanced = nullptr;
    TWizardListPage *m_list = nullptr;
};

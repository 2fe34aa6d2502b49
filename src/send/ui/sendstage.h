#pragma once

#include "isplist.h"
#include "resourcedetail.h"
#include "wwwserver.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TExecFile;
class TPageDocument;
class TSendWeb;

// The controls of the send stage: the server to upload to with the button that opens the server
// wizard, the files the saved page needs, the logo option, and the web with the flashing page
// that starts the upload. It owns the program's server list and ISP definitions, which it loads
// when it is made; whatever could not be read in them is shown when the stage is first entered.
class TSendStage : public QWidget {
    Q_OBJECT
public:
    explicit TSendStage(TPageDocument &document, QWidget *parent = nullptr);
    ~TSendStage() override;

    // The stage is entered: shows any problems met loading the lists, the servers and the files
    // to upload, and starts the page flashing. Leaving stops it.
    void enterStage();
    void leaveStage();
    bool isFlashing() const;

    void ShowServers();
    // Rebuilds the list of local files the saved page refers to and shows it.
    void refreshUploadList();
    void UpdateFileList();
    // Runs the upload window for the chosen server; whether the page went up.
    bool UploadFiles();
    // Shows a web address in the user's browser through a small page that forwards to it.
    void OpenInBrowser(const QString &address);

    const TServerList &ServerList() const { return m_servers; }
    const TISPList &ISPList() const { return m_isps; }
    const TUploadList &UploadList() const { return m_uploadList; }
    TSendWeb *web() const { return m_web; }
    TExecFile &execFile() const { return *m_execFile; }

    QLabel *lblUpServer = nullptr;
    QComboBox *cmbServers = nullptr;
    QPushButton *spdEditWWW = nullptr;
    QLabel *lblUploadFiles = nullptr;
    QListWidget *lstFiles = nullptr;
    QCheckBox *chkLogo = nullptr;

signals:
    // An upload succeeded; the window moves on to its last stage before the congratulations.
    void uploadSucceeded();

private:
    void buildControls();
    void loadLists();
    void showLoadWarnings();
    void cmbServersChange(int index);
    void spdEditWWWClick();
    void imgUploadClick();
    void uploadAnimationDone();
    void sightClicked(int index);
    void imgYourPageClick();
    void ExecFileFail();
    void chkLogoClick(bool checked);

    TPageDocument &m_document;
    TServerList m_servers;
    TISPList m_isps;
    QStringList m_loadWarnings;
    TUploadList m_uploadList;
    // Set while the box is filled by the program: only the user's choice is remembered.
    bool m_showingServers = false;
    TSendWeb *m_web = nullptr;
    TExecFile *m_execFile = nullptr;
};

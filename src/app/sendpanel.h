#pragma once

#include "stagepanel.h"

class QCheckBox;
class QTimer;

// The send stage: the server to upload to, the files the page needs, the logo option and the
// flashing page picture that starts the upload.
class TSendPanel : public TStagePanel {
    Q_OBJECT
public:
    explicit TSendPanel(QWidget *parent = nullptr);

    // The logo option; ticked at start and whenever the page is cleared for a new page.
    bool logoTicked() const;
    void tickLogo();

    // Entering the stage: forget the rotated web, show the servers and the files to upload,
    // and start flashing the page picture. Leaving it stops the flashing.
    void enterStage();
    void stopFlashing();
    bool isFlashing() const;

    // Rebuilds the list of local files the saved page refers to and shows it.
    void refreshUploadList();

private:
    QCheckBox *m_chkLogo = nullptr;
    QTimer *m_timFlashPage = nullptr;
    int m_webIndex = -1;
};

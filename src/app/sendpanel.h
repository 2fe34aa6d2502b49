#pragma once

#include "stagepanel.h"
#include "stageview.h"

class TDocumentCommands;
class TPageDocument;
class TSendStage;

// The send stage: the server to upload to, the files the page needs, the logo option and the
// flashing page picture that starts the upload. It sends the saved document's page file, so it
// can only be entered once the document is saved.
class TSendPanel : public TStagePanel, public TStageView {
    Q_OBJECT
public:
    TSendPanel(TPageDocument &document, TDocumentCommands &commands, QWidget *parent = nullptr);

    // TStageView. Entering asks for the document to be saved first (refused when the user
    // declines), makes sure the page file holds a page, forgets the rotated web, shows the
    // servers and the files to upload and starts flashing the page picture. Leaving stops it.
    QWidget *stageWidget() override { return this; }
    bool mayEnter(TStage from) override;
    void enter(TStage from) override;
    void leave(TStage target) override;

    bool isFlashing() const;
    TSendStage *stage() const { return m_stage; }

signals:
    // An upload succeeded: the window moves on to its last stage.
    void uploaded();

private:
    TPageDocument &m_document;
    TDocumentCommands &m_commands;
    TSendStage *m_stage = nullptr;
};

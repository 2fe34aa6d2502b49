#pragma once

#include "documentcommands.h"
#include "pagedocument.h"
#include "stage.h"
#include "stylecatalog.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QStackedWidget;
class TBottomBar;
class TBuildStage;
class TChoosePanel;
class TMascotWalker;
class TPageFolderCommand;
class TPreviewPanel;
class TProEditorHandOver;
class TRecoveryKeeper;
class TSendPanel;
class TStageToolbar;
class TStageView;

// The program's main window. It holds the current document and the program's style list, shows
// one stage at a time and switches between them through ShowRedPill, the only way stages change.
// The stages and the document commands do the work; the window keeps only its own state (the
// current stage and the switch's guards) and wires the pieces together.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Opens the builder document named on the program's command line, if any, when the
    // window is first shown.
    explicit TfrmMain(QWidget *parent = nullptr);
    // Opens startDocument instead; empty for none.
    explicit TfrmMain(const QString &startDocument, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The stage switch: asks the stage being left and the target, moves the toolbar highlight
    // and shows the target. A refused switch changes nothing.
    void ShowRedPill(TStage target);
    // Leaves the current stage, enters target and makes it the current stage.
    bool ChangeState(TStage target);
    // The toolbar's hot spots: a left-button release at x <= 480 picks stage x div 140.
    void picToolBarMouseUp(Qt::MouseButton button, int x, int y);
    // The application-wide message hook; message 1148 ends the program at once.
    void AppMessage(quint32 message);

    TStage CurrentStage() const { return m_currentStage; }
    bool StageBusy() const { return m_stageBusy; }
    // On while a stage switch applies the gallery entry selected in the choose stage.
    bool ApplyingGalleryItem() const { return m_applyingGalleryItem; }

    TPageDocument &document() { return m_document; }
    TPage &page() { return m_document.page(); }
    TStyleCatalog &styles() { return m_styles; }
    TDocumentCommands &commands() { return m_commands; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildLayout();
    void buildStages(QWidget *pnlMain);
    void buildMenus();
    void connectModel();
    // With on, suspends drawing of the window; with off, resumes it.
    enum class TLock { On, Off };
    void LockWindow(TLock lock);
    // The mascot walks along the toolbar to the target's button.
    void WalkTheMascot(TStage target);
    // The send button while the professional editor ran at start-up: the page goes to the
    // editor and the window returns to the choose stage. False when the user kept the window
    // open after the editor failed; the switch then enters the send stage as usual.
    bool handOverToProEditor();
    TStageView *stageView(TStage stage) const;
    void applyGalleryItemBySwitch(const QString &path, bool isSavedPage);
    void showDocumentName(const QString &path);
    void deleteExternalPreviewFile();
    // Offers the page a previous run left unsaved when it crashed or was killed; true when the
    // user took it back.
    bool offerRecovery();
    void imgViewClick();
    bool isEnlarged() const;

    TPageDocument m_document;
    TStyleCatalog m_styles;
    TDocumentCommands m_commands{m_document, m_styles};
    std::unique_ptr<TRecoveryKeeper> m_recovery;

    TStage m_currentStage = stChoose;
    QString m_startDocument;
    bool m_stageBusy = false;
    bool m_applyingGalleryItem = false;
    // Aware of the professional editor when it ran as the window was created.
    std::unique_ptr<TProEditorHandOver> m_proEditor;
    std::unique_ptr<TPageFolderCommand> m_pageFolder;
    bool m_shownOnce = false;
    bool m_terminating = false;

    TStageToolbar *m_toolbar = nullptr;
    TMascotWalker *m_mascot = nullptr;
    QStackedWidget *m_stages = nullptr;
    TChoosePanel *m_pnlChoose = nullptr;
    TBuildStage *m_pnlBuild = nullptr;
    TPreviewPanel *m_pnlView = nullptr;
    TSendPanel *m_pnlSend = nullptr;
    // The stage views by stage; the last stage, reached only after an upload, has none and keeps
    // the send stage's panel in view.
    std::array<TStageView *, stSend + 1> m_stageViews{};
    TBottomBar *m_bottomBar = nullptr;
    QMenu *m_mnuFile = nullptr;
    QAction *m_actExternalPreview = nullptr;
    QAction *m_actSounds = nullptr;
};

#pragma once

#include "documentcommands.h"
#include "documenthost.h"
#include "page.h"
#include "stage.h"
#include "stylechunk.h"

#include <QImage>
#include <QMainWindow>

class QAction;
class QMenu;
class TBottomBar;
class TBuildHost;
class TChoosePanel;
class TPreviewPanel;
class TSendPanel;
class TStageToolbar;

// The program's main window. It owns the page and the current document, shows one stage panel
// at a time and switches between them through ShowRedPill, the only way stages change.
class TfrmMain : public QMainWindow, public TDocumentHost {
    Q_OBJECT
public:
    // Opens the builder document named on the program's command line, if any, when the
    // window is first shown.
    explicit TfrmMain(QWidget *parent = nullptr);
    // Opens startDocument instead; empty for none.
    explicit TfrmMain(const QString &startDocument, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The stage switch: checks the entry rules, moves the toolbar highlight and shows the
    // target's panel. A refused switch changes nothing.
    void ShowRedPill(TStage target) override;
    // Rearranges the panels for target and makes it the current stage.
    bool ChangeState(TStage target);
    // The toolbar's hot spots: a left-button release at x <= 480 picks stage x div 140.
    void picToolBarMouseUp(Qt::MouseButton button, int x, int y);
    // The application-wide message hook; message 1148 ends the program at once.
    void AppMessage(quint32 message);

    TStage CurrentStage() const override { return m_currentStage; }
    bool StageBusy() const { return m_stageBusy; }
    TDocumentCommands &commands() { return m_commands; }

    // "Zorvin Express - " and the file name part, or "Untitled".
    void setCaption(const QString &fileName);

    // TDocumentHost
    TPage &page() override { return m_page; }
    QWidget *dialogParent() override { return this; }
    QString DocFileName() const override { return m_docFileName; }
    void setDocFileName(const QString &path) override;
    bool ApplyingGalleryItem() const override { return m_applyingGalleryItem; }
    void setDocumentLoading(bool on) override;
    void setPanelLoading(bool on) override;
    void ClearPage() override;
    void LoadChunk(int chunkIndex) override;
    void selectFirstBlock() override;
    void showBlankPanel() override;
    void tickLogo() override;
    QByteArray selectedStyleName() const override;
    void SelectStyleByName(const QByteArray &name) override;
    void selectNoStyle() override;
    void showPageTitle() override;
    void SaveFromHTML(const QString &pageFile) override;
    QImage MakeThumbnail() override;
    void refreshUploadList() override;
    void GetTemplates() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildLayout();
    void buildMenus();
    // With on, suspends drawing of the window; with off, resumes it.
    enum class TLock { On, Off };
    void LockWindow(TLock lock);
    // The mascot walks along the toolbar to the target's button; its animation is not part of
    // this window yet, so the hook does nothing.
    void WalkTheMascot(TStage target);
    bool applySelectedGalleryItem();
    // The page generated from the blocks, with the chosen style applied to its body.
    QByteArray pageHTML();
    const TStyleChunk *chosenStyle() const;
    void regeneratePreview();
    void deleteExternalPreviewFile();
    void imgViewClick();
    void ExternalPreview1Click();
    bool isEnlarged() const;

    TPage m_page;
    TDocumentCommands m_commands{*this};

    TStage m_currentStage = stChoose;
    QString m_docFileName;
    QString m_startDocument;
    bool m_stageBusy = false;
    bool m_applyingGalleryItem = false;
    bool m_documentLoading = false;
    // The professional editor's toolbar artwork is used while it runs; nothing sets this yet.
    bool m_proEditorRunning = false;
    bool m_shownOnce = false;
    bool m_terminating = false;

    TStageToolbar *m_toolbar = nullptr;
    TChoosePanel *m_pnlChoose = nullptr;
    TBuildHost *m_pnlBuild = nullptr;
    TPreviewPanel *m_pnlView = nullptr;
    TSendPanel *m_pnlSend = nullptr;
    TBottomBar *m_bottomBar = nullptr;
    QMenu *m_mnuFile = nullptr;
    QAction *m_actExternalPreview = nullptr;
    QAction *m_actSounds = nullptr;
};

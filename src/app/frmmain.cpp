#include "frmmain.h"

#include "appmessagefilter.h"
#include "backgroundpicture.h"
#include "bottombar.h"
#include "buildstage.h"
#include "choosepanel.h"
#include "folders.h"
#include "frmabout.h"
#include "helpers.h"
#include "helpservice.h"
#include "helptopics.h"
#include "mascotwalker.h"
#include "menushortcuts.h"
#include "pagefoldercommand.h"
#include "previewpanel.h"
#include "proeditorhandover.h"
#include "prompts.h"
#include "recoverykeeper.h"
#include "screencentre.h"
#include "sendpanel.h"
#include "settings.h"
#include "stagebuttons.h"
#include "stagetoolbar.h"
#include "startup.h"
#include "stringtable.h"
#include "thumbnail.h"
#include "thumbnailmaker.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QStackedWidget>

namespace {

// The client area the window's layout is drawn for: the toolbar, a 629 x 294 stage panel
// below it and the bottom bar, none of them covering another.
constexpr int kClientWidth = 631;
constexpr int kPanelTop = 98;
constexpr int kPanelHeight = 294;
constexpr int kClientHeight = kPanelTop + kPanelHeight + 49;
// Toolbar zones are 140 pixels wide; nothing right of the send button responds.
constexpr int kZoneWidth = 140;
constexpr int kLastHotX = 480;
// The external preview file the program leaves in the HTML folder.
const QString kExternalPreviewFile = QStringLiteral("~tmpprvw.html");

} // namespace

TfrmMain::TfrmMain(QWidget *parent) : TfrmMain(QCoreApplication::arguments().value(1), parent) {}

TfrmMain::TfrmMain(const QString &startDocument, QWidget *parent)
    : QMainWindow(parent), m_startDocument(startDocument),
      m_proEditor(std::make_unique<TProEditorHandOver>(m_document)),
      m_pageFolder(std::make_unique<TPageFolderCommand>(m_document))
{
    setObjectName(QStringLiteral("frmMain"));
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    TAppMessageFilter::install(this, [this](quint32 message) { AppMessage(message); });
    m_proEditor->ZorvinRunning();
    buildLayout();
    buildMenus();
    AssignMenuShortcuts(*this);
    connectModel();
    AssignHelpContext(this);
    AssignHelpTags(this);
    // Records the program path and settles the sound switch, which the Sounds item shows.
    m_actSounds->setChecked(ApplyStartupSettings());
    deleteExternalPreviewFile();
    // A damaged styles file still gives the styles stored before the damage.
    m_styles.load(StylesFilePath(ProgramFolder()));
    ProvideLowerCaseBackgrounds(m_styles.styles(), HTMLFolder());
    m_recovery =
        std::make_unique<TRecoveryKeeper>(m_document, PathJoin(ProgramFolder(), QStringLiteral("recovery")));
    showDocumentName(m_document.DocFileName());
    ShowRedPill(stChoose);
#ifdef ZV_DEBUG_MODE
    Prompts::current().message(TMsgKind::Information,
                               QStringLiteral("This version is running in debug mode."), TMsgButtons::Ok);
#endif
}

void TfrmMain::buildLayout()
{
    QFont arial = font();
    arial.setFamily(LoadStr(32));
    setFont(arial);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(silver);

    auto *pnlMain = new QWidget(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setAutoFillBackground(true);
    setCentralWidget(pnlMain);

    m_toolbar = new TStageToolbar(pnlMain);
    m_toolbar->setGeometry(7, 2, 620, 95);
    connect(m_toolbar, &TStageToolbar::toolbarReleased, this, &TfrmMain::picToolBarMouseUp);
    // The keyboard chooses stages through buttons over the toolbar's zones, first in the tab order.
    connect(new TStageButtons(m_toolbar), &TStageButtons::stageChosen, this, [this](TStage stage) {
        if (!m_stageBusy)
            ShowRedPill(stage);
    });
    m_mascot = new TMascotWalker(m_toolbar, this);

    buildStages(pnlMain);

    m_bottomBar = new TBottomBar(pnlMain);
    m_bottomBar->setGeometry(0, kClientHeight - TBottomBar::kHeight, kClientWidth, TBottomBar::kHeight);
    connect(m_bottomBar, &TBottomBar::viewClicked, this, &TfrmMain::imgViewClick);
    connect(m_bottomBar, &TBottomBar::exitClicked, this, &QWidget::close);

    // A fixed window with a minimise box and no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void TfrmMain::buildStages(QWidget *pnlMain)
{
    // One stage panel at a time, each 629 x 294 below the toolbar.
    m_stages = new QStackedWidget(pnlMain);
    m_stages->setObjectName(QStringLiteral("stkStages"));
    m_stages->setGeometry(1, kPanelTop, kClientWidth - 2, kPanelHeight);
    m_pnlChoose = new TChoosePanel(page(), m_stages);
    m_pnlBuild = new TBuildStage(page(), m_stages);
    m_pnlView = new TPreviewPanel(m_document, m_styles, m_stages);
    m_pnlSend = new TSendPanel(m_document, m_commands, m_stages);
    m_stageViews = {m_pnlChoose, m_pnlBuild, m_pnlView, m_pnlSend};
    for (TStageView *view : m_stageViews)
        m_stages->addWidget(view->stageWidget());
}

void TfrmMain::connectModel()
{
    connect(&m_document, &TPageDocument::docFileNameChanged, this, &TfrmMain::showDocumentName);
    // A document or template read into the page starts with its first block selected.
    connect(&m_document, &TPageDocument::opened, m_pnlBuild, &TBuildStage::SelectFirstBlock);
    // The gallery's thumbnails are pictures of the rendered page, written beside each document.
    m_document.setCompanionWriter([](const QString &documentPath, const QByteArray &pageHTML) {
        SaveThumbnail(documentPath, MakeThumbnail(pageHTML, ThumbnailSize));
    });

    connect(m_pnlChoose, &TChoosePanel::itemApplied, this,
            [this](const QString &path, bool isSavedPage) { m_commands.DoTemplate(path, isSavedPage); });
    connect(m_pnlChoose, &TChoosePanel::itemAppliedBySwitch, this, &TfrmMain::applyGalleryItemBySwitch);
    // A stage switch that applies a gallery entry goes on to its own target; it does not start
    // another switch from inside.
    connect(&m_commands, &TDocumentCommands::buildStageRequested, this, [this] {
        if (!m_applyingGalleryItem)
            ShowRedPill(stBuild);
    });
    connect(&m_commands, &TDocumentCommands::newPageStarted, m_pnlBuild, &TBuildStage::showBlankPanel);
    connect(&m_commands, &TDocumentCommands::galleryChanged, m_pnlChoose, &TChoosePanel::GetTemplates);
    connect(m_pnlSend, &TSendPanel::uploaded, this, [this] { ShowRedPill(stUploaded); });
}

void TfrmMain::buildMenus()
{
    m_mnuFile = menuBar()->addMenu(LoadStr(5061));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto add = [this](QMenu *menu, int id, const char *name, auto slot) {
        QAction *action = menu->addAction(LoadStr(id));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(m_mnuFile, 5062, "mnuFileNew", [this] { m_commands.mnuFileNewClick(); });
    add(m_mnuFile, 5063, "menFileOpen", [this] { m_commands.menFileOpenClick(); });
    add(m_mnuFile, 5064, "menFileSave", [this] { m_commands.menFileSaveClick(); });
    add(m_mnuFile, 5065, "menFileSaveAs", [this] { m_commands.menFileSaveAsClick(); });
    add(m_mnuFile, 5066, "menFileMake", [this] { m_commands.menFileMakeClick(); });
    m_actExternalPreview = add(m_mnuFile, 5067, "ExternalPreview1",
                               [this] { m_pnlView->ExternalPreview1Click(m_currentStage); });
    // The check itself flips before this runs, so it already shows the new state.
    m_actSounds = add(m_mnuFile, 5068, "menFileSounds", [this] {
        WriteSetting(QStringLiteral("General"), QStringLiteral("PlaySounds"),
                     m_actSounds->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
    m_actSounds->setCheckable(true);
    // The page with its pictures, for any editor or web host; the caption is not in the table.
    QAction *exportFolder = m_mnuFile->addAction(QStringLiteral("Export Page &Folder..."));
    exportFolder->setObjectName(QStringLiteral("menFileExportFolder"));
    connect(exportFolder, &QAction::triggered, this, [this] { m_pageFolder->menFileExportFolderClick(); });
    m_mnuFile->addSeparator();
    add(m_mnuFile, 5069, "menFileExit", [this] { close(); });

    QMenu *help = menuBar()->addMenu(LoadStr(5070));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, 5071, "menHelpTopics", [] { THelpService::current().ShowContents(); });
    help->addSeparator();
    add(help, 5072, "menHelpAbout", [this] {
        TfrmAbout about(this);
        about.exec();
    });

    // The window's size is that of its client area plus whatever the menu bar needs.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    // Like the splash before it, the window opens in the middle of the screen.
    CentreOnScreen(*this);
}

void TfrmMain::showDocumentName(const QString &path)
{
    // "Zorvin Express - " and the file name part, or "Untitled".
    setWindowTitle(LoadStr(5000) + QStringLiteral(" - ") +
                   (path.isEmpty() ? LoadStr(33) : FileNamePart(path)));
}

// ---- the stage switch ----

void TfrmMain::picToolBarMouseUp(Qt::MouseButton button, int x, int y)
{
    Q_UNUSED(y);
    if (button != Qt::LeftButton || x < 0 || x > kLastHotX || m_stageBusy)
        return;
    ShowRedPill(TStage(x / kZoneWidth));
}

TStageView *TfrmMain::stageView(TStage stage) const
{
    return stage >= stChoose && stage <= stSend ? m_stageViews[size_t(stage)] : nullptr;
}

void TfrmMain::applyGalleryItemBySwitch(const QString &path, bool isSavedPage)
{
    m_applyingGalleryItem = true;
    m_commands.DoTemplate(path, isSavedPage);
    m_applyingGalleryItem = false;
}

void TfrmMain::ShowRedPill(TStage target)
{
    // The stage being left is asked first, whatever the target: the choose stage applies its
    // selected gallery entry there, which the target's own check must already see.
    if (TStageView *current = stageView(m_currentStage); current && !current->mayLeave(target))
        return;
    if (TStageView *next = stageView(target); next && !next->mayEnter(m_currentStage))
        return;

    if (target == stSend && m_proEditor->ProEditorRunning() && handOverToProEditor())
        return;

    m_stageBusy = true;
    m_toolbar->hideHighlight();
    WalkTheMascot(target);
    LockWindow(TLock::On);
    const auto artwork = m_proEditor->ProEditorRunning() ? TStageToolbar::TArtwork::ProEditor
                                                         : TStageToolbar::TArtwork::Standard;
    m_toolbar->drawToolbar(artwork);
    m_toolbar->showHighlight(target, artwork);
    ChangeState(target);
    LockWindow(TLock::Off);
    m_stageBusy = false;
}

bool TfrmMain::handOverToProEditor()
{
    m_stageBusy = true;
    m_toolbar->hideHighlight();
    WalkTheMascot(stSend);
    m_toolbar->drawToolbar(TStageToolbar::TArtwork::ProEditor);
    m_toolbar->showHighlight(stSend, TStageToolbar::TArtwork::ProEditor);
    const bool exported = m_proEditor->exportPage();
    m_stageBusy = false;
    if (!exported) {
        TProEditorHandOver::reportFailure();
        // The usual save question comes first; a user who cancels it keeps working, in the send
        // stage.
        if (close())
            return true;
        return false;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ShowRedPill(stChoose);
    QGuiApplication::restoreOverrideCursor();
    return true;
}

bool TfrmMain::ChangeState(TStage target)
{
    m_bottomBar->setViewMode(TBottomBar::TViewMode::Inactive);
    m_actExternalPreview->setEnabled(target != stChoose);
    LockWindow(TLock::On);

    if (TStageView *current = stageView(m_currentStage))
        current->leave(target);
    if (TStageView *next = stageView(target)) {
        next->enter(m_currentStage);
        m_stages->setCurrentWidget(next->stageWidget());
    }
    if (target == stPreview)
        m_bottomBar->setViewMode(TBottomBar::TViewMode::Normal);

    m_currentStage = target;
    LockWindow(TLock::Off);
    return true;
}

void TfrmMain::LockWindow(TLock lock)
{
    setUpdatesEnabled(lock == TLock::Off);
}

void TfrmMain::WalkTheMascot(TStage target)
{
    m_mascot->WalkTheMascot(target);
}

// ---- window lifecycle ----

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    const bool recovered = offerRecovery();
    // From here on, unsaved changes are kept in a recovery copy a few seconds behind.
    m_recovery->start();
    if (recovered || m_startDocument.isEmpty())
        return;
    TPage &page = m_document.page();
    page.setDocumentLoading(true);
    page.setPanelLoading(true);
    m_commands.OpenDocument(m_startDocument);
    page.setDocumentLoading(false);
    if (!m_applyingGalleryItem)
        ShowRedPill(stBuild);
    page.setPanelLoading(false);
}

bool TfrmMain::offerRecovery()
{
    const std::optional<TRecoveryCopy> copy = m_recovery->leftBehind();
    if (!copy)
        return false;
    const QString page =
        copy->OriginalPath.isEmpty()
            ? QStringLiteral("your untitled page")
            : QStringLiteral("your page \"%1\"").arg(QFileInfo(copy->OriginalPath).completeBaseName());
    const TMsgResult answer = Prompts::current().message(
        TMsgKind::Confirmation,
        QStringLiteral("Zorvin Express ended before %1 was saved. Do you want to get back the page as it was "
                       "a few seconds before?")
            .arg(page),
        TMsgButtons::YesNo);
    if (answer != TMsgResult::Yes) {
        m_recovery->discard();
        return false;
    }
    TPage &current = m_document.page();
    current.setDocumentLoading(true);
    current.setPanelLoading(true);
    m_commands.RestoreRecovered(copy->CopyPath, copy->OriginalPath);
    current.setDocumentLoading(false);
    if (!m_applyingGalleryItem)
        ShowRedPill(stBuild);
    current.setPanelLoading(false);
    return true;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    bool changesDropped = false;
    if (!m_terminating) {
        const TMsgResult answer = m_commands.AskForSave();
        if (answer == TMsgResult::Cancel) {
            event->ignore();
            return;
        }
        // Yes means the user wants the work kept: when the save does not happen (the dialog was
        // cancelled or the file could not be written), the window stays open rather than lose it.
        if (answer == TMsgResult::Yes && !m_commands.FileSaveAs()) {
            event->ignore();
            return;
        }
        changesDropped = answer == TMsgResult::No;
    }
    // Changes the user chose to drop need no recovery; changes still unsaved keep their copy.
    if (changesDropped || !m_document.page().PageModified())
        m_recovery->discard();
    deleteExternalPreviewFile();
    event->accept();
}

void TfrmMain::AppMessage(quint32 message)
{
    // Another program may ask this one to end at once, without the save question.
    if (message != TAppMessageFilter::kQuitMessage)
        return;
    m_terminating = true;
    QCoreApplication::exit(0);
}

void TfrmMain::deleteExternalPreviewFile()
{
    const QString path = PathJoin(HTMLFolder(), kExternalPreviewFile);
    if (QFile::exists(path))
        QFile::remove(path);
}

void TfrmMain::imgViewClick()
{
    if (m_currentStage != stPreview || !m_pnlView->webTabActive())
        return;
    const bool enlarge = !isEnlarged();
    m_mnuFile->setEnabled(!enlarge);
    if (enlarge) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showMaximized();
    } else {
        showNormal();
        setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    }
    m_bottomBar->setViewMode(enlarge ? TBottomBar::TViewMode::Enlarged : TBottomBar::TViewMode::Normal);
    m_bottomBar->centreLower();
    if (enlarge)
        m_pnlView->enlargeViewer(centralWidget(), TBottomBar::kHeight);
    else
        m_pnlView->SetHTMLView();
    m_pnlView->ShowPreview();
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The bottom bar stays along the bottom edge when the preview is enlarged.
    const QWidget *pnlMain = centralWidget();
    m_bottomBar->setGeometry(0, pnlMain->height() - TBottomBar::kHeight, pnlMain->width(),
                             TBottomBar::kHeight);
}

bool TfrmMain::isEnlarged() const
{
    return m_bottomBar->viewMode() == TBottomBar::TViewMode::Enlarged;
}

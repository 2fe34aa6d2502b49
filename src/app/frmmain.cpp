#include "frmmain.h"

#include "appmessagefilter.h"
#include "bottombar.h"
#include "buildhost.h"
#include "choosepanel.h"
#include "folders.h"
#include "frmabout.h"
#include "helpers.h"
#include "helpservice.h"
#include "helptopics.h"
#include "pagehtml.h"
#include "previewhtml.h"
#include "previewpanel.h"
#include "prompts.h"
#include "sendpanel.h"
#include "settings.h"
#include "stagetoolbar.h"
#include "startup.h"
#include "stringtable.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMenuBar>

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
    : QMainWindow(parent), m_startDocument(startDocument)
{
    setObjectName(QStringLiteral("frmMain"));
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    TAppMessageFilter::install(this, [this](quint32 message) { AppMessage(message); });
    buildLayout();
    buildMenus();
    AssignHelpContext(this);
    AssignHelpTags(this);
    // Records the program path and settles the sound switch, which the Sounds item shows.
    m_actSounds->setChecked(ApplyStartupSettings());
    deleteExternalPreviewFile();
    // A damaged styles file still gives the styles stored before the damage.
    m_pnlView->LoadStyles();
    // The page the program starts with is a new page like any other, with the default title.
    m_page.PageTitle = LoadStrBytes(104);
    setCaption(LoadStr(33));
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

    const QRect panelRect(1, kPanelTop, kClientWidth - 2, kPanelHeight);
    m_pnlChoose = new TChoosePanel(pnlMain);
    connect(m_pnlChoose, &TChoosePanel::itemApplied, this,
            [this](const QString &path, bool isSavedPage) { m_commands.DoTemplate(path, isSavedPage); });
    m_pnlBuild = new TBuildHost(m_page, pnlMain);
    m_pnlView = new TPreviewPanel(m_page, pnlMain);
    m_pnlSend = new TSendPanel(pnlMain);
    for (QWidget *panel : {static_cast<QWidget *>(m_pnlChoose), static_cast<QWidget *>(m_pnlBuild),
                           static_cast<QWidget *>(m_pnlView), static_cast<QWidget *>(m_pnlSend)}) {
        panel->setGeometry(panelRect);
        panel->hide();
    }

    m_bottomBar = new TBottomBar(pnlMain);
    m_bottomBar->setGeometry(0, kClientHeight - TBottomBar::kHeight, kClientWidth, TBottomBar::kHeight);
    connect(m_bottomBar, &TBottomBar::viewClicked, this, &TfrmMain::imgViewClick);
    connect(m_bottomBar, &TBottomBar::exitClicked, this, &QWidget::close);

    // A fixed window with a minimise box and no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
    m_actExternalPreview = add(m_mnuFile, 5067, "ExternalPreview1", [this] { ExternalPreview1Click(); });
    // The check itself flips before this runs, so it already shows the new state.
    m_actSounds = add(m_mnuFile, 5068, "menFileSounds", [this] {
        WriteSetting(QStringLiteral("General"), QStringLiteral("PlaySounds"),
                     m_actSounds->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
    m_actSounds->setCheckable(true);
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
}

void TfrmMain::setCaption(const QString &fileName)
{
    setWindowTitle(LoadStr(5000) + QStringLiteral(" - ") + fileName);
}

void TfrmMain::setDocFileName(const QString &path)
{
    m_docFileName = path;
    setCaption(path.isEmpty() ? LoadStr(33) : FileNamePart(path));
}

// ---- the stage switch ----

void TfrmMain::picToolBarMouseUp(Qt::MouseButton button, int x, int y)
{
    Q_UNUSED(y);
    if (button != Qt::LeftButton || x < 0 || x > kLastHotX || m_stageBusy)
        return;
    ShowRedPill(TStage(x / kZoneWidth));
}

bool TfrmMain::applySelectedGalleryItem()
{
    // Taking the selection makes sure the stage switch that follows does not load it again.
    const std::optional<TChoosePanel::TGalleryItem> item = m_pnlChoose->takeSelectedItem();
    if (!item)
        return false;
    m_applyingGalleryItem = true;
    m_commands.DoTemplate(item->path, item->isSavedPage);
    m_applyingGalleryItem = false;
    return true;
}

void TfrmMain::ShowRedPill(TStage target)
{
    if (m_currentStage == stChoose && !m_pnlBuild->PanelLoading())
        applySelectedGalleryItem();
    if (target == stSend && !m_commands.SaveDocument())
        return;
    if (target == stBuild && m_pnlView->HTMLEditAllowed() &&
        Prompts::current().message(TMsgKind::Warning, LoadStr(102), TMsgButtons::YesNo) != TMsgResult::Yes)
        return;

    m_stageBusy = true;
    m_toolbar->hideHighlight();
    WalkTheMascot(target);
    LockWindow(TLock::On);
    const auto artwork =
        m_proEditorRunning ? TStageToolbar::TArtwork::ProEditor : TStageToolbar::TArtwork::Standard;
    m_toolbar->drawToolbar(artwork);
    m_toolbar->showHighlight(target, artwork);
    ChangeState(target);
    LockWindow(TLock::Off);
    m_stageBusy = false;
}

bool TfrmMain::ChangeState(TStage target)
{
    m_bottomBar->setViewMode(TBottomBar::TViewMode::Inactive);
    m_pnlSend->stopFlashing();
    m_actExternalPreview->setEnabled(true);
    LockWindow(TLock::On);

    switch (target) {
    case stChoose:
        m_actExternalPreview->setEnabled(false);
        m_pnlChoose->showFrontPicture();
        m_pnlChoose->GetTemplates();
        m_pnlChoose->show();
        m_pnlChoose->raise();
        m_pnlView->hide();
        m_pnlBuild->hide();
        m_pnlSend->hide();
        m_pnlView->setHtml(QByteArray());
        break;
    case stBuild:
        if (m_currentStage == stChoose)
            applySelectedGalleryItem();
        if (m_docFileName.isEmpty())
            setCaption(LoadStr(33));
        m_pnlChoose->hide();
        m_pnlView->hide();
        m_pnlSend->hide();
        m_pnlBuild->show();
        // The canvas keeps its shredder in front of the column by itself.
        m_pnlBuild->raise();
        m_pnlView->setHtml(QByteArray());
        break;
    case stPreview:
        m_bottomBar->setViewMode(TBottomBar::TViewMode::Normal);
        m_pnlBuild->hide();
        m_pnlChoose->hide();
        // Coming back from sending, the memo keeps the user's hand edits.
        if (m_currentStage != stSend && m_currentStage != stUploaded)
            regeneratePreview();
        else
            m_pnlView->reloadPreview();
        m_pnlView->show();
        m_pnlView->raise();
        m_pnlView->SetHTMLView();
        m_pnlSend->hide();
        break;
    case stSend: {
        const QByteArray html = m_pnlView->html();
        if (html.isEmpty() || html == "<BODY>") {
            regeneratePreview();
            SaveFromHTML(PathJoin(HTMLFolder(),
                                  StripExtension(FileNamePart(m_docFileName)) + QStringLiteral(".html")));
        }
        m_pnlView->hide();
        m_pnlBuild->hide();
        m_pnlChoose->hide();
        m_pnlSend->show();
        m_pnlSend->raise();
        m_pnlSend->enterStage();
        break;
    }
    case stUploaded:
        break;
    }

    m_pnlView->setTitleText(m_page.PageTitle);
    m_currentStage = target;
    LockWindow(TLock::Off);
    return true;
}

void TfrmMain::LockWindow(TLock lock)
{
    setUpdatesEnabled(lock == TLock::Off);
}

void TfrmMain::WalkTheMascot(TStage) {}

void TfrmMain::regeneratePreview()
{
    m_pnlView->setHtml(pageHTML());
    m_pnlView->ShowPreview();
}

QByteArray TfrmMain::pageHTML()
{
    TPageHTMLSettings settings;
    settings.Options = boPreview;
    settings.Style = chosenStyle();
    settings.Logo = m_pnlSend->logoTicked() ? TLogoOption::On : TLogoOption::Off;
    return AddBodyDef(BuildPageHTML(m_page, settings), settings.Style);
}

const TStyleChunk *TfrmMain::chosenStyle() const
{
    return m_pnlView->chosenStyle();
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
    if (m_startDocument.isEmpty())
        return;
    setDocumentLoading(true);
    setPanelLoading(true);
    m_commands.OpenDocument(m_startDocument);
    if (!m_page.WebChunks.empty())
        selectFirstBlock();
    setDocumentLoading(false);
    if (!m_applyingGalleryItem)
        ShowRedPill(stBuild);
    setPanelLoading(false);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_terminating) {
        const TMsgResult answer = m_commands.AskForSave();
        if (answer == TMsgResult::Cancel) {
            event->ignore();
            return;
        }
        // Cancelling the Save As dialog after Yes still closes the window.
        if (answer == TMsgResult::Yes)
            m_commands.FileSaveAs();
    }
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

void TfrmMain::ExternalPreview1Click()
{
    QString file = PathJoin(HTMLFolder(), kExternalPreviewFile);
    QByteArray html;
    if (m_currentStage == stChoose || m_currentStage == stBuild) {
        // The page as generated, without its style. It goes only to the file: the HTML text of
        // the choose and build stages stays empty, so later stages still generate the page
        // from the blocks as they are then.
        TPageHTMLSettings settings;
        settings.Logo = m_pnlSend->logoTicked() ? TLogoOption::On : TLogoOption::Off;
        html = BuildPageHTML(m_page, settings);
    } else {
        html = m_pnlView->html();
        if (!m_docFileName.isEmpty())
            file =
                PathJoin(HTMLFolder(), StripExtension(FileNamePart(m_docFileName)) + QStringLiteral(".html"));
    }
    m_pnlView->ExternalPreview(file, html);
}

bool TfrmMain::isEnlarged() const
{
    return m_bottomBar->viewMode() == TBottomBar::TViewMode::Enlarged;
}

// ---- what the document commands reach through the window ----

void TfrmMain::setDocumentLoading(bool on)
{
    m_documentLoading = on;
    m_pnlBuild->setDocumentLoading(on);
}

void TfrmMain::setPanelLoading(bool on)
{
    m_pnlBuild->setPanelLoading(on);
    m_pnlView->setPanelLoading(on);
}

void TfrmMain::ClearPage()
{
    m_pnlBuild->ClearPage();
}
void TfrmMain::LoadChunk(int chunkIndex)
{
    m_pnlBuild->LoadChunk(chunkIndex);
}
void TfrmMain::selectFirstBlock()
{
    m_pnlBuild->selectFirstBlock();
}
void TfrmMain::showBlankPanel()
{
    m_pnlBuild->showBlankPanel();
}
void TfrmMain::tickLogo()
{
    m_pnlSend->tickLogo();
}
QByteArray TfrmMain::selectedStyleName() const
{
    return m_pnlView->selectedStyleName();
}
void TfrmMain::SelectStyleByName(const QByteArray &name)
{
    m_pnlView->SelectStyleByName(name);
}
void TfrmMain::selectNoStyle()
{
    m_pnlView->selectStyleIndex(0);
}
void TfrmMain::showPageTitle()
{
    m_pnlView->setTitleText(m_page.PageTitle);
}
void TfrmMain::refreshUploadList()
{
    m_pnlSend->refreshUploadList();
}
void TfrmMain::GetTemplates()
{
    m_pnlChoose->GetTemplates();
}

void TfrmMain::SaveFromHTML(const QString &pageFile)
{
    // A page that has not been generated yet is generated for the file, without touching the
    // memo, so a save from the build stage never writes an empty page.
    QByteArray html = m_pnlView->html();
    if (html.isEmpty() || html == "<BODY>")
        html = pageHTML();
    SavePageFile(pageFile, html);
}

QImage TfrmMain::MakeThumbnail()
{
    // Outside the preview and send stages there is no page HTML text; the page is generated
    // for the picture only, so the stages that follow still generate it from the blocks.
    QByteArray html = m_pnlView->html();
    if (html.isEmpty() || html == "<BODY>")
        html = pageHTML();
    return m_pnlView->MakeThumbnail(html);
}

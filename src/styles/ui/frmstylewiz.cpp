#include "frmstylewiz.h"

#include "backgroundpicture.h"
#include "colourpanel.h"
#include "helpers.h"
#include "helpservice.h"
#include "prompts.h"
#include "resourcebitmap.h"
#include "savebytes.h"
#include "stringtable.h"
#include "stylesamplehtml.h"
#include "stylesfile.h"
#include "stylewizdetailspage.h"
#include "textcodec.h"
#include "tpageviewer.h"
#include "wizardlistpage.h"
#include "wizardwelcomepage.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include <utility>

namespace {

const QString kSampleFileName = QStringLiteral("~tmpprvw.html");
const QString kBackgroundFolder = QStringLiteral("backgrnd");

TWizardWelcomeTexts welcomeTexts()
{
    TWizardWelcomeTexts texts;
    texts.Picture = ResourcePixmap(QStringLiteral("StyleWiz"));
    texts.HeadingScale = 1.25;
    texts.Heading = 501;
    texts.Explanation = 502;
    texts.Hint = 504;
    texts.Footnote = 503;
    texts.AddName = QStringLiteral("radAdd");
    texts.ModifyName = QStringLiteral("radModify");
    texts.DeleteName = QStringLiteral("radDelete");
    texts.Add = 506;
    texts.Modify = 505;
    texts.Delete = 507;
    return texts;
}

TWizardListTexts listTexts()
{
    TWizardListTexts texts;
    texts.PageName = QStringLiteral("tab3");
    texts.ListName = QStringLiteral("lstStyles");
    texts.ListTitle = QStringLiteral("Style List");
    texts.FirstName = QStringLiteral("lblMsg1");
    texts.SecondName = QStringLiteral("lblMsg2");
    texts.First = 520;
    // A leftover of an older wizard that showed a wait notice here; it is never shown.
    texts.Second = 519;
    texts.HideSecond = true;
    texts.Modify = 518;
    texts.Delete = 517;
    texts.Up = QIcon(ResourceBitmapPath(QStringLiteral("StyleWizUp")));
    texts.Down = QIcon(ResourceBitmapPath(QStringLiteral("StyleWizDown")));
    texts.Removal = TWizardRemoval::SelectNext;
    return texts;
}

} // namespace

static void initStyleWizResources()
{
    Q_INIT_RESOURCE(stylewiz);
}

TfrmStyleWiz::TfrmStyleWiz(const QString &programFolder, const QString &htmlFolder, QWidget *parent)
    : TWizardFrame(QStringLiteral("frmStyleWiz"), LoadStr(500), QStringLiteral("pagStyle"), parent),
      m_programFolder(programFolder), m_htmlFolder(htmlFolder),
      m_styles(LoadStyles(StylesFilePath(programFolder)).Styles)
{
    initStyleWizResources();
    buildForm();
    connectHandlers();

    ClearStyle();
    showPage(TStyleWizStep::Welcome);
    ShowStyles();
}

TfrmStyleWiz::~TfrmStyleWiz() = default;

void TfrmStyleWiz::buildForm()
{
    m_welcome = new TWizardWelcomePage(welcomeTexts(), pageStack());
    m_details = new TStyleWizDetailsPage(pageStack());
    m_list = new TWizardListPage(listTexts(), pageStack());
    finishFrame({m_welcome, m_details, m_list}, QSize(640, 410));
}

void TfrmStyleWiz::connectHandlers()
{
    connect(NextButt, &QPushButton::clicked, this, &TfrmStyleWiz::NextButtClick);
    connect(BackButt, &QPushButton::clicked, this, &TfrmStyleWiz::BackButtClick);
    connect(FinishButt, &QPushButton::clicked, this, &TfrmStyleWiz::FinishButtClick);
    connect(butHelp, &QPushButton::clicked, this, &TfrmStyleWiz::butHelpClick);

    connect(m_welcome->radAdd, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_mode = TStyleWizMode::Add;
    });
    connect(m_welcome->radModify, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_mode = TStyleWizMode::Modify;
    });
    connect(m_welcome->radDelete, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_mode = TStyleWizMode::Delete;
    });

    connect(m_details->txtStyleName, &QLineEdit::textChanged, this, &TfrmStyleWiz::txtStyleNameChange);
    connect(m_details->txtImgFilename, &QLineEdit::textChanged, this, &TfrmStyleWiz::txtImgFilenameChange);
    // A typed picture name shows in the sample once the user leaves the box, not at every key.
    connect(m_details->txtImgFilename, &QLineEdit::editingFinished, this, &TfrmStyleWiz::RefreshHTML);
    connect(m_details->spdImgFile, &QToolButton::clicked, this, &TfrmStyleWiz::spdImgFileClick);
    connect(m_details->butClear, &QPushButton::clicked, this, &TfrmStyleWiz::butClearClick);
    const std::pair<TColourPanel *, TColour TStyleChunk::*> panels[] = {
        {m_details->pnlBack, &TStyleChunk::BackColour},
        {m_details->pnlDoc, &TStyleChunk::DocColour},
        {m_details->pnlStandard, &TStyleChunk::StandardColour},
        {m_details->pnlActive, &TStyleChunk::ActiveColour},
        {m_details->pnlVisited, &TStyleChunk::VisitedColour},
    };
    for (const auto &[panel, field] : panels)
        connect(panel, &TColourPanel::clicked, this,
                [this, panel = panel, field = field] { pickColour(panel, field); });

    connect(m_list->lstItems, &QListWidget::currentRowChanged, this, &TfrmStyleWiz::lstStylesClick);
    connect(m_list->spbUp, &QToolButton::clicked, this, &TfrmStyleWiz::spbUpClick);
    connect(m_list->spbDown, &QToolButton::clicked, this, &TfrmStyleWiz::spbDownClick);
    connect(m_list->butDelete, &QPushButton::clicked, this, &TfrmStyleWiz::butDeleteClick);
}

TfrmStyleWiz::TStyleWizStep TfrmStyleWiz::page() const
{
    return TStyleWizStep(currentPage());
}

void TfrmStyleWiz::showPage(TStyleWizStep page)
{
    setCurrentPage(int(page));
    if (page == TStyleWizStep::Details)
        m_details->txtStyleName->setFocus();
    else if (page == TStyleWizStep::List)
        m_list->lstItems->setFocus();
}

// ---- moving through the pages ----

void TfrmStyleWiz::NextButtClick()
{
    ShowNext();
    m_list->butDelete->show();
    m_list->lblModify->hide();
    m_list->lblDelete->hide();

    switch (page()) {
    case TStyleWizStep::Welcome:
        if (m_mode == TStyleWizMode::Add) {
            m_styles.startFresh();
            ClearStyle();
            showPage(TStyleWizStep::Details);
            RefreshHTML();
            ShowFinish();
        } else if (m_mode == TStyleWizMode::Modify) {
            m_list->butDelete->hide();
            m_list->lblModify->show();
            showPage(TStyleWizStep::List);
        } else {
            m_list->lblDelete->show();
            showPage(TStyleWizStep::List);
            ShowFinish();
        }
        break;
    case TStyleWizStep::List:
        if (selectedStyle() < 0) {
            m_list->butDelete->hide();
            m_list->lblModify->show();
            Prompts::current().message(TMsgKind::Warning, LoadStr(521), TMsgButtons::Ok, LoadStr(500));
            return;
        }
        // The selection may have been made before an earlier visit to the first page; the
        // details always show the style that is selected now.
        lstStylesClick();
        showPage(TStyleWizStep::Details);
        ShowFinish();
        RefreshHTML();
        break;
    case TStyleWizStep::Details:
        break;
    }
}

void TfrmStyleWiz::BackButtClick()
{
    ShowNext();
    m_list->butDelete->hide();
    m_list->lblModify->hide();
    m_list->lblDelete->hide();

    if (page() == TStyleWizStep::Details && m_mode == TStyleWizMode::Add) {
        showPage(TStyleWizStep::Welcome);
    } else if (page() == TStyleWizStep::Details) {
        m_list->lblModify->show();
        showPage(TStyleWizStep::List);
    } else if (page() == TStyleWizStep::List) {
        showPage(TStyleWizStep::Welcome);
    }
}

void TfrmStyleWiz::FinishButtClick()
{
    if (m_mode == TStyleWizMode::Add) {
        if (m_details->txtStyleName->text().trimmed().isEmpty()) {
            Prompts::current().message(TMsgKind::Warning, LoadStr(522), TMsgButtons::Ok, LoadStr(500));
            m_details->txtStyleName->setFocus();
            return;
        }
        // After a cancelled save question the new style is in the list already, and later
        // edits go to that entry; it is never added a second time.
        if (m_styles.appendCurrent())
            m_list->addName(DecodePageText(m_styles.current().StyleName));
    }
    switch (AskForSave()) {
    case TMsgResult::Yes:
        if (WriteStylesToFile())
            accept();
        break;
    case TMsgResult::Cancel:
        break;
    default:
        reject();
        break;
    }
}

void TfrmStyleWiz::butHelpClick()
{
    THelpService::current().ShowTopic(HelpTopic);
}

TMsgResult TfrmStyleWiz::AskForSave()
{
    if (!m_styles.changed())
        return TMsgResult::No;
    return Prompts::current().message(TMsgKind::Confirmation, LoadStr(523), TMsgButtons::YesNoCancel,
                                      LoadStr(524));
}

bool TfrmStyleWiz::WriteStylesToFile()
{
    QString error;
    if (::WriteStylesToFile(StylesFilePath(m_programFolder), m_styles.styles(), &error))
        return true;
    // The old file is still whole; the user may free some space and press Finish again, or cancel.
    Prompts::current().message(TMsgKind::Error, error, TMsgButtons::Ok, LoadStr(500));
    return false;
}

// ---- the style being edited ----

void TfrmStyleWiz::ClearStyle()
{
    const bool loading = std::exchange(m_styleLoading, true);
    m_details->txtStyleName->clear();
    m_details->txtImgFilename->clear();
    const TStyleChunk defaults;
    TStyleChunk &style = m_styles.current();
    style.BackColour = defaults.BackColour;
    style.DocColour = defaults.DocColour;
    style.StandardColour = defaults.StandardColour;
    style.ActiveColour = defaults.ActiveColour;
    style.VisitedColour = defaults.VisitedColour;
    m_styleLoading = loading;
    ShowMyDetails();
}

void TfrmStyleWiz::ShowMyDetails()
{
    const bool loading = std::exchange(m_styleLoading, true);
    const TStyleChunk &style = m_styles.current();
    m_details->txtStyleName->setText(DecodePageText(style.StyleName));
    m_details->txtImgFilename->setText(DecodePageText(style.BackImage));
    m_details->pnlBack->setColour(style.BackColour);
    m_details->pnlDoc->setColour(style.DocColour);
    m_details->pnlStandard->setColour(style.StandardColour);
    m_details->pnlActive->setColour(style.ActiveColour);
    m_details->pnlVisited->setColour(style.VisitedColour);
    m_styleLoading = loading;
}

void TfrmStyleWiz::txtStyleNameChange(const QString &text)
{
    if (m_styleLoading)
        return;
    m_styles.current().StyleName = EncodePageText(text);
    m_styles.markChanged();
    // A renamed style shows its new name when the user goes back to the list.
    m_list->setName(m_styles.currentIndex(), text);
}

void TfrmStyleWiz::txtImgFilenameChange(const QString &text)
{
    if (m_styleLoading)
        return;
    m_styles.current().BackImage = EncodePageText(text);
    m_styles.markChanged();
}

void TfrmStyleWiz::pickColour(TColourPanel *panel, TColour TStyleChunk::*field)
{
    TStyleChunk &style = m_styles.current();
    const std::optional<uint32_t> colour = Prompts::current().chooseColour(style.*field);
    if (!colour)
        return;
    style.*field = *colour;
    panel->setColour(*colour);
    m_styles.markChanged();
    RefreshHTML();
}

void TfrmStyleWiz::spdImgFileClick()
{
    TFileRequest request;
    request.folder = PathJoin(m_htmlFolder, kBackgroundFolder);
    request.filter = QStringLiteral("JPG Files (*.jpg)|*.jpg|GIF Files (*.gif)|*.gif");
    const std::optional<TFileChoice> choice = Prompts::current().openFile(request);
    if (!choice)
        return;
    const TBackgroundPicture picture = CopyBackgroundPicture(choice->path, m_htmlFolder);
    if (!picture.ok()) {
        // The field keeps its picture: naming one that is not in the background folder would
        // give a page without its background and an upload that misses the file.
        Prompts::current().message(TMsgKind::Error, picture.Error, TMsgButtons::Ok, LoadStr(500));
        return;
    }
    m_details->txtImgFilename->setText(picture.BackImage);
    RefreshHTML();
}

void TfrmStyleWiz::butClearClick()
{
    m_details->txtImgFilename->clear();
    RefreshHTML();
}

// ---- the sample page ----

void TfrmStyleWiz::RefreshHTML()
{
    m_sampleHTML = StyleSampleHTML(m_styles.current());
    showSample();
}

bool TfrmStyleWiz::SaveFromHTML(const QString &path) const
{
    QFile::remove(path);
    return SaveBytes(path, m_sampleHTML);
}

void TfrmStyleWiz::showSample()
{
    // The sample goes through a file in the HTML folder so that the style's relative background
    // picture resolves there. When that folder cannot be written the sample is shown all the
    // same, only without its picture.
    const QString file = PathJoin(m_htmlFolder, kSampleFileName);
    if (SaveFromHTML(file) && m_details->ctlHTML->LoadFromFile(file).ok())
        return;
    m_details->ctlHTML->LoadLines(m_sampleHTML.split('\n'));
}

// ---- the list page ----

void TfrmStyleWiz::ShowStyles()
{
    QStringList names;
    for (int i = 0; i < m_styles.count(); ++i)
        names << DecodePageText(m_styles.at(i).StyleName);
    m_list->setNames(names);
}

int TfrmStyleWiz::selectedStyle() const
{
    const int row = m_list->selectedRow();
    return row < m_styles.count() ? row : -1;
}

void TfrmStyleWiz::lstStylesClick()
{
    if (m_styles.select(selectedStyle()))
        ShowMyDetails();
}

void TfrmStyleWiz::spbUpClick()
{
    const int row = selectedStyle();
    if (m_styles.moveUp(row))
        m_list->moveRow(row, row - 1);
}

void TfrmStyleWiz::spbDownClick()
{
    const int row = selectedStyle();
    if (m_styles.moveDown(row))
        m_list->moveRow(row, row + 1);
}

void TfrmStyleWiz::butDeleteClick()
{
    const int row = selectedStyle();
    if (!m_styles.remove(row))
        return;
    m_list->removeRow(row);
    m_styles.startFresh();
    ClearStyle();
}

#include "previewpanel.h"

#include "backgroundpicture.h"
#include "folders.h"
#include "helpers.h"
#include "htmlsourcebox.h"
#include "page.h"
#include "pagedocument.h"
#include "pagefile.h"
#include "previewhtml.h"
#include "previewstylerow.h"
#include "previewviewer.h"
#include "prompts.h"
#include "settings.h"
#include "stringtable.h"
#include "stylecatalog.h"
#include "textcodec.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The file the preview writes in the HTML folder, also opened by External Preview.
const QString kPreviewFile = QStringLiteral("~tmpprvw.html");

QLabel *boldLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TPreviewPanel::TPreviewPanel(TPageDocument &document, TStyleCatalog &styles, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlView"), QString(), LoadStr(5054), parent), m_document(document),
      m_page(document.page()), m_styles(styles)
{
    textLabel()->setObjectName(QStringLiteral("lblPreDesc"));
    textLabel()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The page itself needs the room more than the card's margins do.
    layout()->setContentsMargins(10, 8, 10, 8);
    layout()->setSpacing(4);

    m_pagePreview = new QTabWidget(this);
    m_pagePreview->setObjectName(QStringLiteral("pagePreview"));
    m_pagePreview->setDocumentMode(true);
    m_tabWebView = new QWidget;
    m_tabWebView->setObjectName(QStringLiteral("tabWebView"));
    auto *webLayout = new QVBoxLayout(m_tabWebView);
    webLayout->setContentsMargins(0, 0, 0, 0);
    m_ctlHTML = new TPreviewViewer(m_tabWebView);
    webLayout->addWidget(m_ctlHTML);
    m_pagePreview->addTab(m_tabWebView, LoadStr(5055));
    m_memHTML = new THTMLSourceBox;
    m_pagePreview->addTab(m_memHTML, LoadStr(5056));

    // The page title sits on the tabs' own row, to the right of the two tabs.
    auto *titleBox = new QWidget;
    auto *titleRow = new QHBoxLayout(titleBox);
    titleRow->setContentsMargins(0, 0, 0, 2);
    QLabel *pnlTitle = boldLabel(LoadStr(5058), QStringLiteral("pnlTitle"), titleBox);
    m_txtTitle = new QLineEdit(titleBox);
    m_txtTitle->setObjectName(QStringLiteral("txtTitle"));
    pnlTitle->setBuddy(m_txtTitle);
    m_txtTitle->setAccessibleName(pnlTitle->text().trimmed());
    m_txtTitle->setMinimumWidth(260);
    titleRow->addWidget(pnlTitle);
    titleRow->addWidget(m_txtTitle);
    m_pagePreview->setCornerWidget(titleBox, Qt::TopRightCorner);
    contentLayout()->addWidget(m_pagePreview, 1);

    m_styleRow = new TPreviewStyleRow(m_page, m_styles, this);
    contentLayout()->addWidget(m_styleRow);

    connect(m_pagePreview, &QTabWidget::currentChanged, this, &TPreviewPanel::pagePreviewChange);
    connect(m_memHTML, &THTMLSourceBox::userEdited, this, &TPreviewPanel::memHTMLChange);
    connect(m_txtTitle, &QLineEdit::textEdited, this, &TPreviewPanel::txtTitleChange);
    connect(m_styleRow, &TPreviewStyleRow::styleClicked, this, &TPreviewPanel::lstStylesClick);
    connect(m_styleRow, &TPreviewStyleRow::editStylesClicked, this, &TPreviewPanel::btnEditStyleClick);
    connect(&m_page, &TPage::htmlChanged, this, &TPreviewPanel::showHTML);
    connect(&m_page, &TPage::titleChanged, this, [this](const QByteArray &title) {
        // The user's own typing is in the box already; rewriting it would move the cursor.
        if (m_txtTitle->text() != DecodePageText(title))
            setTitleText(title);
    });
    setTitleText(m_page.PageTitle());
    showHTML();
}

void TPreviewPanel::enter(TStage from)
{
    if (from != stSend && from != stUploaded) {
        m_page.generateHTML();
        ShowPreview();
    } else {
        reloadPreview();
    }
    SetHTMLView();
    setTitleText(m_page.PageTitle());
}

// ---- the page HTML text ----

void TPreviewPanel::showHTML()
{
    // The box holds the user's edit already when the edit is what changed the text.
    if (m_memHTML->bytes() != m_page.PageHTML())
        m_memHTML->setBytes(m_page.PageHTML());
}

void TPreviewPanel::memHTMLChange()
{
    if (m_undoingHTMLEdit)
        return;
    // With the alert switched off the edit simply stays; it still counts as a hand edit, so
    // going back to building asks before it throws the edit away.
    const QString general = QStringLiteral("General");
    const QString showWarning = QStringLiteral("ShowHTMLWarning");
    if (m_page.HTMLHandEdited() || ReadSetting(general, showWarning) == QLatin1String("No")) {
        m_page.editHTML(m_memHTML->bytes());
        return;
    }
    const TNoticeAnswer answer = Prompts::current().htmlChangeAlert();
    // The alert's box switches it off whichever button was pressed.
    if (answer.dontShowAgain)
        WriteSetting(general, showWarning, QStringLiteral("No"));
    if (answer.result == TMsgResult::Yes) {
        m_page.editHTML(m_memHTML->bytes());
        return;
    }
    // The text in the page never had the edit, so taking it back in the box is all there is to do.
    m_undoingHTMLEdit = true;
    m_memHTML->undo();
    m_undoingHTMLEdit = false;
}

// ---- the viewer ----

void TPreviewPanel::ShowPreview()
{
    m_previewBusy = true;
    AddBodyDef();
    SavePageFile(PathJoin(HTMLFolder(), kPreviewFile), m_page.PageHTML());
    loadViewer();
    m_page.previewShown();
    m_previewBusy = false;
}

void TPreviewPanel::reloadPreview()
{
    loadViewer();
}

void TPreviewPanel::loadViewer()
{
    // Only the viewer's copy loses its DIVs; the HTML tab keeps them.
    m_ctlHTML->LoadLines(PageLines(ViewerHTML(m_page.PageHTML())));
}

void TPreviewPanel::pagePreviewChange(int index)
{
    // Hand edits made in the HTML tab show when the user comes back to the Web tab.
    if (m_pagePreview->widget(index) == m_tabWebView)
        loadViewer();
}

void TPreviewPanel::SetHTMLView()
{
    restoreViewer();
    m_pagePreview->setCurrentWidget(m_tabWebView);
    m_ctlHTML->show();
    m_ctlHTML->raise();
}

bool TPreviewPanel::webTabActive() const
{
    return m_pagePreview->currentWidget() == m_tabWebView;
}

void TPreviewPanel::enlargeViewer(QWidget *host, int bottomReserve)
{
    if (m_enlargedHost)
        m_enlargedHost->removeEventFilter(this);
    m_enlargedHost = host;
    m_bottomReserve = bottomReserve;
    m_tabWebView->layout()->removeWidget(m_ctlHTML);
    m_ctlHTML->setParent(host);
    host->installEventFilter(this);
    placeEnlargedViewer();
    m_ctlHTML->show();
    m_ctlHTML->raise();
}

void TPreviewPanel::placeEnlargedViewer()
{
    m_ctlHTML->setGeometry(2, 2, m_enlargedHost->width() - 4, m_enlargedHost->height() - m_bottomReserve - 2);
}

void TPreviewPanel::restoreViewer()
{
    if (!m_enlargedHost)
        return;
    m_enlargedHost->removeEventFilter(this);
    m_enlargedHost = nullptr;
    m_ctlHTML->setParent(m_tabWebView);
    m_tabWebView->layout()->addWidget(m_ctlHTML);
    m_ctlHTML->show();
}

bool TPreviewPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_enlargedHost && event->type() == QEvent::Resize)
        placeEnlargedViewer();
    return TStagePanel::eventFilter(watched, event);
}

void TPreviewPanel::ExternalPreview1Click(TStage current)
{
    QString file = PathJoin(HTMLFolder(), kPreviewFile);
    QByteArray html;
    if (current == stChoose || current == stBuild) {
        // The page as generated, without its style. It goes only to the file: the page keeps no
        // HTML text in these stages, so later stages still generate it from the blocks as they
        // are then.
        html = m_page.buildHTML(TPage::TBodyStyle::Plain);
    } else {
        html = m_page.PageHTML();
        if (!m_document.DocFileName().isEmpty())
            file = m_document.PageFileName();
    }
    SavePageFile(file, html);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        Prompts::current().message(TMsgKind::Error, LoadStr(5079), TMsgButtons::Ok);
}

// ---- the page title ----

void TPreviewPanel::setTitleText(const QByteArray &title)
{
    m_titleLoading = true;
    m_txtTitle->setText(DecodePageText(title));
    // A long title shows its beginning.
    m_txtTitle->setCursorPosition(0);
    m_titleLoading = false;
}

void TPreviewPanel::txtTitleChange(const QString &text)
{
    if (m_page.PanelLoading() || m_titleLoading)
        return;
    m_page.changeTitle(EncodePageText(text));
}

// ---- styles ----

void TPreviewPanel::AddBodyDef()
{
    m_page.applyStyle();
    if (!m_previewBusy)
        ShowPreview();
}

void TPreviewPanel::lstStylesClick(int item)
{
    QListWidget *list = m_styleRow->list();
    if (m_page.PanelLoading()) {
        // Nothing is chosen while the program fills the page; the list shows the page's style.
        m_styleRow->showChosenStyle();
        return;
    }
    list->setEnabled(false);
    m_page.chooseStyle(m_styles.styleOfItem(item));
    if (!m_previewBusy)
        ShowPreview();
    list->setEnabled(true);
    list->setFocus();
}

void TPreviewPanel::btnEditStyleClick()
{
    const QByteArray remembered = m_page.StyleName();
    Prompts::current().styleWizard(ProgramFolder(), HTMLFolder());
    m_styles.load(StylesFilePath(ProgramFolder()));
    ProvideLowerCaseBackgrounds(m_styles.styles(), HTMLFolder());
    // The style may have been changed, renamed or deleted meanwhile; a deleted one leaves the
    // page without a style.
    m_page.setStyle(m_styles.styleOfItem(m_styles.itemIndex(remembered)));
    AddBodyDef();
}

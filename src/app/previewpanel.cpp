#include "previewpanel.h"

#include "folders.h"
#include "frmhtmlwarn.h"
#include "frmstylewiz.h"
#include "helpers.h"
#include "htmlsourcebox.h"
#include "page.h"
#include "pagehtml.h"
#include "previewhtml.h"
#include "previewviewer.h"
#include "prompts.h"
#include "settings.h"
#include "stringtable.h"
#include "stylesfile.h"
#include "textcodec.h"
#include "thumbnail.h"
#include "thumbnailmaker.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The file the preview writes in the HTML folder, also opened by External Preview.
const QString kPreviewFile = QStringLiteral("~tmpprvw.html");
// The style list shows its names in columns of two rows, six columns across.
constexpr int kStyleRows = 2;
constexpr int kStyleColumns = 6;

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

TPreviewPanel::TPreviewPanel(TPage &page, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlView"), QString(), LoadStr(5054), parent), m_page(page)
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
    m_txtTitle->setMinimumWidth(260);
    titleRow->addWidget(pnlTitle);
    titleRow->addWidget(m_txtTitle);
    m_pagePreview->setCornerWidget(titleBox, Qt::TopRightCorner);
    contentLayout()->addWidget(m_pagePreview, 1);

    buildStyleRow();

    connect(m_pagePreview, &QTabWidget::currentChanged, this, &TPreviewPanel::pagePreviewChange);
    connect(m_memHTML, &THTMLSourceBox::userEdited, this, &TPreviewPanel::memHTMLChange);
    connect(m_txtTitle, &QLineEdit::textEdited, this, &TPreviewPanel::txtTitleChange);
    ShowStyles();
}

void TPreviewPanel::buildStyleRow()
{
    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(panel1);
    row->setContentsMargins(0, 0, 0, 0);
    QLabel *lblPreStyle = boldLabel(LoadStr(5081), QStringLiteral("lblPreStyle"), panel1);

    // Names run down two rows and then on to the next column, as in a multi-column list box.
    m_lstStyles = new QListWidget(panel1);
    m_lstStyles->setObjectName(QStringLiteral("lstStyles"));
    m_lstStyles->setFlow(QListView::TopToBottom);
    m_lstStyles->setWrapping(true);
    m_lstStyles->setResizeMode(QListView::Adjust);
    m_lstStyles->setUniformItemSizes(true);
    m_lstStyles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lstStyles->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int rowHeight = m_lstStyles->fontMetrics().height() + 2;
    // Room for the rows, the frame, the horizontal scroll bar and the view's own margins.
    m_lstStyles->setFixedHeight(kStyleRows * rowHeight + 2 * m_lstStyles->frameWidth() +
                                m_lstStyles->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                2 * m_lstStyles->spacing() + 6);
    m_lstStyles->installEventFilter(this);
    // Only the user's choice counts as a click: a mouse click on an entry, or moving through
    // the entries with the keyboard. The program's own selections change nothing else.
    connect(m_lstStyles, &QListWidget::itemClicked, this, &TPreviewPanel::lstStylesClick);
    connect(m_lstStyles, &QListWidget::currentRowChanged, this, [this] {
        if (!m_styleLoading && m_lstStyles->hasFocus() && QApplication::mouseButtons() == Qt::NoButton)
            lstStylesClick();
    });

    m_btnEditStyle = new QPushButton(LoadStr(5057), panel1);
    m_btnEditStyle->setObjectName(QStringLiteral("btnEditStyle"));
    connect(m_btnEditStyle, &QPushButton::clicked, this, &TPreviewPanel::btnEditStyleClick);

    row->addWidget(lblPreStyle);
    row->addWidget(m_lstStyles, 1);
    row->addWidget(m_btnEditStyle);
    contentLayout()->addWidget(panel1);
}

// ---- the page HTML text ----

QByteArray TPreviewPanel::html() const
{
    return m_memHTML->bytes();
}

void TPreviewPanel::setHtml(const QByteArray &html)
{
    m_memHTML->setBytes(html);
    // An emptied page HTML text holds no hand edits any more, so there is nothing left to
    // warn about when the user goes back to building again.
    if (html.isEmpty())
        m_htmlEditAllowed = false;
}

bool TPreviewPanel::HTMLUpdating() const
{
    return m_memHTML->updating();
}

void TPreviewPanel::SaveFromHTML(const QString &path) const
{
    // Write failures are not reported here: the page file follows the document, whose own
    // save reports its failures.
    SavePageFile(path, html());
}

void TPreviewPanel::memHTMLChange()
{
    if (m_undoingHTMLEdit || m_htmlEditAllowed)
        return;
    // With the alert switched off the edit simply stays; it still counts as a hand edit, so
    // going back to building asks before it throws the edit away.
    if (ReadSetting(QStringLiteral("General"), QStringLiteral("ShowHTMLWarning")) == QLatin1String("No")) {
        m_htmlEditAllowed = true;
        return;
    }
    TfrmHTMLWarn alert(window());
    alert.exec();
    if (alert.answer() == TMsgResult::Yes) {
        m_htmlEditAllowed = true;
        return;
    }
    m_undoingHTMLEdit = true;
    m_memHTML->undo();
    m_undoingHTMLEdit = false;
}

// ---- the viewer ----

void TPreviewPanel::ShowPreview()
{
    m_previewBusy = true;
    if (m_lstStyles->currentRow() < 0)
        selectStyleIndex(0);
    AddBodyDef();
    SaveFromHTML(PathJoin(HTMLFolder(), kPreviewFile));
    loadViewer();
    m_htmlEditAllowed = false;
    m_previewBusy = false;
}

void TPreviewPanel::reloadPreview()
{
    loadViewer();
}

void TPreviewPanel::loadViewer()
{
    // Only the viewer's copy loses its DIVs; the HTML tab keeps them.
    m_ctlHTML->LoadLines(PageLines(ViewerHTML(html())));
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
    if (watched == m_lstStyles && event->type() == QEvent::Resize) {
        // Six columns across the list, each as wide as a sixth of it.
        const int columnWidth = qMax(60, m_lstStyles->width() / kStyleColumns);
        m_lstStyles->setGridSize(QSize(columnWidth, m_lstStyles->fontMetrics().height() + 2));
    }
    return TStagePanel::eventFilter(watched, event);
}

QImage TPreviewPanel::MakeThumbnail(const QByteArray &pageHTML) const
{
    return ::MakeThumbnail(pageHTML, ThumbnailSize);
}

void TPreviewPanel::ExternalPreview(const QString &file, const QByteArray &html)
{
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
    if (m_panelLoading || m_titleLoading)
        return;
    m_page.PageTitle = EncodePageText(text);
    // The title is not shown in the page itself, so the viewer is left as it is.
    setHtml(ChangeTitleHTML(html(), m_page.PageTitle));
    m_page.setPageModified(true);
}

// ---- styles ----

void TPreviewPanel::LoadStyles()
{
    m_styles = ::LoadStyles(StylesFilePath(ProgramFolder())).Styles;
    ShowStyles();
}

void TPreviewPanel::ShowStyles()
{
    m_styleLoading = true;
    m_lstStyles->clear();
    m_lstStyles->addItem(LoadStr(31));
    for (const TStyleChunk &style : m_styles)
        m_lstStyles->addItem(DecodePageText(style.StyleName));
    m_styleLoading = false;
}

const TStyleChunk *TPreviewPanel::chosenStyle() const
{
    // Item 0 is "[None]"; item i stands for the style i - 1.
    const int item = m_lstStyles->currentRow();
    if (item < 1 || item > int(m_styles.size()))
        return nullptr;
    return &m_styles[item - 1];
}

QByteArray TPreviewPanel::selectedStyleName() const
{
    const QListWidgetItem *item = m_lstStyles->currentItem();
    return EncodePageText(item ? item->text() : LoadStr(31));
}

int TPreviewPanel::selectedStyleIndex() const
{
    return m_lstStyles->currentRow();
}

void TPreviewPanel::selectStyleIndex(int index)
{
    if (index < 0 || index >= m_lstStyles->count())
        return;
    m_styleLoading = true;
    m_lstStyles->setCurrentRow(index);
    m_styleLoading = false;
}

void TPreviewPanel::SelectStyleByName(const QByteArray &name)
{
    const QString wanted = DecodePageText(name);
    for (int i = 0; i < m_lstStyles->count(); ++i) {
        if (m_lstStyles->item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0) {
            selectStyleIndex(i);
            return;
        }
    }
}

void TPreviewPanel::AddBodyDef()
{
    if (m_lstStyles->currentRow() < 0)
        return;
    setHtml(::AddBodyDef(html(), chosenStyle()));
    if (!m_previewBusy)
        ShowPreview();
}

void TPreviewPanel::lstStylesClick()
{
    if (m_panelLoading)
        return;
    m_lstStyles->setEnabled(false);
    AddBodyDef();
    m_page.setPageModified(true);
    m_lstStyles->setEnabled(true);
    m_lstStyles->setFocus();
}

void TPreviewPanel::btnEditStyleClick()
{
    if (m_lstStyles->currentRow() < 0)
        selectStyleIndex(0);
    const QByteArray remembered = selectedStyleName();
    {
        TfrmStyleWiz wizard(ProgramFolder(), HTMLFolder(), window());
        wizard.exec();
    }
    LoadStyles();
    // The style may have been renamed or deleted meanwhile; then the page has none.
    const int index = StyleItemIndex(m_styles, remembered);
    selectStyleIndex(index < 0 ? 0 : index);
    AddBodyDef();
}

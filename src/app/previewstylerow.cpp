#include "previewstylerow.h"

#include "page.h"
#include "stringtable.h"
#include "stylecatalog.h"
#include "textcodec.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace {

// The style list shows its names in columns of two rows, at most six columns across; fewer
// styles share the width between fewer, wider columns.
constexpr int kStyleRows = 2;
constexpr int kStyleColumns = 6;
constexpr int kNarrowestColumn = 60;

} // namespace

TPreviewStyleRow::TPreviewStyleRow(const TPage &page, const TStyleCatalog &styles, QWidget *parent)
    : QWidget(parent), m_page(page), m_styles(styles)
{
    setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *lblPreStyle = new QLabel(LoadStr(5081), this);
    lblPreStyle->setObjectName(QStringLiteral("lblPreStyle"));
    QFont bold = lblPreStyle->font();
    bold.setBold(true);
    lblPreStyle->setFont(bold);

    m_lstStyles = new QListWidget(this);
    m_lstStyles->setObjectName(QStringLiteral("lstStyles"));
    lblPreStyle->setBuddy(m_lstStyles);
    m_lstStyles->setAccessibleName(lblPreStyle->text().trimmed());
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
    connect(m_lstStyles, &QListWidget::itemClicked, this, &TPreviewStyleRow::userChose);
    connect(m_lstStyles, &QListWidget::currentRowChanged, this, [this] {
        if (!m_styleLoading && m_lstStyles->hasFocus() && QApplication::mouseButtons() == Qt::NoButton)
            userChose();
    });

    m_btnEditStyle = new QPushButton(LoadStr(5057), this);
    m_btnEditStyle->setObjectName(QStringLiteral("btnEditStyle"));
    connect(m_btnEditStyle, &QPushButton::clicked, this, &TPreviewStyleRow::editStylesClicked);

    row->addWidget(lblPreStyle);
    row->addWidget(m_lstStyles, 1);
    row->addWidget(m_btnEditStyle);

    connect(&m_styles, &TStyleCatalog::stylesChanged, this, &TPreviewStyleRow::ShowStyles);
    connect(&m_page, &TPage::styleChanged, this, &TPreviewStyleRow::showChosenStyle);
    ShowStyles();
}

void TPreviewStyleRow::ShowStyles()
{
    m_styleLoading = true;
    m_lstStyles->clear();
    m_lstStyles->addItem(LoadStr(31));
    for (const TStyleChunk &style : m_styles.styles())
        m_lstStyles->addItem(DecodePageText(style.StyleName));
    // A name too long for its column is cut short; its tooltip shows it whole.
    for (int i = 0; i < m_lstStyles->count(); ++i)
        m_lstStyles->item(i)->setToolTip(m_lstStyles->item(i)->text());
    m_styleLoading = false;
    arrangeColumns();
    showChosenStyle();
}

void TPreviewStyleRow::showChosenStyle()
{
    // A style the list does not hold (the wizard may have removed it) selects "[None]".
    const int item = m_page.style() ? m_styles.itemIndex(m_page.StyleName()) : 0;
    m_styleLoading = true;
    m_lstStyles->setCurrentRow(qMax(item, 0));
    m_styleLoading = false;
}

void TPreviewStyleRow::userChose()
{
    if (m_styleLoading)
        return;
    emit styleClicked(m_lstStyles->currentRow());
}

bool TPreviewStyleRow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lstStyles && event->type() == QEvent::Resize)
        arrangeColumns();
    return QWidget::eventFilter(watched, event);
}

void TPreviewStyleRow::arrangeColumns()
{
    // As many columns as the entries fill, up to six, sharing the list's whole width.
    const int filled = (m_lstStyles->count() + kStyleRows - 1) / kStyleRows;
    const int columns = qBound(1, filled, kStyleColumns);
    // The list's own contents rect: its viewport is only resized after the list has seen the
    // resize this runs for.
    const int columnWidth = qMax(kNarrowestColumn, m_lstStyles->contentsRect().width() / columns);
    m_lstStyles->setGridSize(QSize(columnWidth, m_lstStyles->fontMetrics().height() + 2));
}

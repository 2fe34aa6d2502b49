#include "previewpanel.h"

#include "stringtable.h"
#include "textcodec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The first entry of the style list, standing for "no style".
const QByteArray kNoStyle = "[None]";

} // namespace

TPreviewPanel::TPreviewPanel(QWidget *parent)
    : TStagePanel(QStringLiteral("pnlView"), QString(), LoadStr(5054), parent)
{
    m_pagePreview = new QTabWidget(this);
    m_pagePreview->setObjectName(QStringLiteral("pagePreview"));
    auto *web = new QWidget;
    web->setObjectName(QStringLiteral("tabWeb"));
    web->setAutoFillBackground(true);
    QPalette white = web->palette();
    white.setColor(QPalette::Window, Qt::white);
    web->setPalette(white);
    m_pagePreview->addTab(web, LoadStr(5055));
    m_memHTML = new QPlainTextEdit;
    m_memHTML->setObjectName(QStringLiteral("memHTML"));
    m_memHTML->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pagePreview->addTab(m_memHTML, LoadStr(5056));
    contentLayout()->addWidget(m_pagePreview, 1);

    auto *row = new QHBoxLayout;
    auto *lblTitle = new QLabel(LoadStr(5058), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_txtTitle = new QLineEdit(this);
    m_txtTitle->setObjectName(QStringLiteral("txtTitle"));
    row->addWidget(lblTitle);
    row->addWidget(m_txtTitle, 3);
    auto *lblPreStyle = new QLabel(LoadStr(5081), this);
    lblPreStyle->setObjectName(QStringLiteral("lblPreStyle"));
    QFont bold = lblPreStyle->font();
    bold.setBold(true);
    lblPreStyle->setFont(bold);
    m_lstStyles = new QListWidget(this);
    m_lstStyles->setObjectName(QStringLiteral("lstStyles"));
    m_lstStyles->setFlow(QListView::LeftToRight);
    m_lstStyles->setWrapping(true);
    m_lstStyles->setFixedHeight(26);
    row->addSpacing(12);
    row->addWidget(lblPreStyle);
    row->addWidget(m_lstStyles, 2);
    row->setStretch(0, 0);
    contentLayout()->addLayout(row);
    setStyleNames({});

    connect(m_memHTML, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_htmlUpdating)
            m_htmlEditAllowed = true;
    });
    connect(m_txtTitle, &QLineEdit::textEdited, this,
            [this](const QString &text) { emit titleEdited(EncodePageText(text)); });
}

QByteArray TPreviewPanel::html() const
{
    return EncodePageText(m_memHTML->toPlainText());
}

void TPreviewPanel::setHtml(const QByteArray &html)
{
    m_htmlUpdating = true;
    m_memHTML->setPlainText(DecodePageText(html));
    m_htmlUpdating = false;
}

void TPreviewPanel::ShowPreview()
{
    m_htmlEditAllowed = false;
}

void TPreviewPanel::SetHTMLView() {}

void TPreviewPanel::setTitleText(const QByteArray &title)
{
    m_titleLoading = true;
    m_txtTitle->setText(DecodePageText(title));
    m_txtTitle->setCursorPosition(0);
    m_titleLoading = false;
}

void TPreviewPanel::setStyleNames(const QList<QByteArray> &names)
{
    const QByteArray selected = selectedStyleName();
    m_lstStyles->clear();
    m_lstStyles->addItem(DecodePageText(kNoStyle));
    for (const QByteArray &name : names)
        m_lstStyles->addItem(DecodePageText(name));
    m_lstStyles->setCurrentRow(0);
    SelectStyleByName(selected);
}

QByteArray TPreviewPanel::selectedStyleName() const
{
    const QListWidgetItem *item = m_lstStyles->currentItem();
    return item ? EncodePageText(item->text()) : kNoStyle;
}

int TPreviewPanel::selectedStyleIndex() const
{
    return m_lstStyles->currentRow();
}

void TPreviewPanel::selectStyleIndex(int index)
{
    if (index >= 0 && index < m_lstStyles->count())
        m_lstStyles->setCurrentRow(index);
}

void TPreviewPanel::SelectStyleByName(const QByteArray &name)
{
    const QString wanted = DecodePageText(name);
    for (int i = 0; i < m_lstStyles->count(); ++i) {
        if (m_lstStyles->item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0) {
            m_lstStyles->setCurrentRow(i);
            return;
        }
    }
}

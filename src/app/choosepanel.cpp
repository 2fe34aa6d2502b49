#include "choosepanel.h"

#include "artpicture.h"
#include "folders.h"
#include "galleryentry.h"
#include "helpservice.h"
#include "page.h"
#include "prompts.h"
#include "stringtable.h"
#include "thumbnail.h"

#include <QAbstractItemDelegate>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMenu>
#include <QVBoxLayout>

static void initGalleryResources()
{
    Q_INIT_RESOURCE(gallery);
}

namespace {

// Off unless asked for (QT_LOGGING_RULES="zorvin.gallery.info=true"): says what the gallery
// found, for the person checking an installation.
Q_LOGGING_CATEGORY(lcGallery, "zorvin.gallery", QtWarningMsg)

constexpr int kGalleryHelpTopic = 20;
constexpr QSize kListSize(197, 221);
constexpr QSize kPreviewBoxSize(200, 223);
constexpr int kIconSize = 32;

// The list role that keeps an entry's full path; the caption is the item's text.
constexpr int kPathRole = Qt::UserRole;
constexpr int kIconRole = Qt::UserRole + 1;

QIcon galleryIcon(TChoosePanel::TGalleryIcon icon)
{
    return QIcon(icon == TChoosePanel::giSavedPage ? QStringLiteral(":/art/GallerySavedPage.svg")
                                                   : QStringLiteral(":/art/GalleryTemplate.svg"));
}

QLabel *boldLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TChoosePanel::TChoosePanel(TPage &page, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlChoose"), LoadStr(5007), LoadStr(5008), parent), m_page(page)
{
    initGalleryResources();
    titleLabel()->setObjectName(QStringLiteral("lblChooseDesc1"));
    textLabel()->setObjectName(QStringLiteral("lblChooseDesc2"));
    titleLabel()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    textLabel()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout()->setContentsMargins(12, 6, 12, 4);
    layout()->setSpacing(3);
    buildGallery();
    buildMenu();
}

void TChoosePanel::buildGallery()
{
    m_lvTemplates = new QListWidget(this);
    m_lvTemplates->setObjectName(QStringLiteral("lvTemplates"));
    m_lvTemplates->setFixedSize(kListSize);
    m_lvTemplates->setViewMode(QListView::ListMode);
    m_lvTemplates->setIconSize(QSize(kIconSize, kIconSize));
    m_lvTemplates->setSpacing(1);
    m_lvTemplates->setUniformItemSizes(true);
    m_lvTemplates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lvTemplates->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lvTemplates->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lvTemplates->setToolTip(LoadStr(5011));
    m_lvTemplates->setWhatsThis(LoadStr(5011));
    connect(m_lvTemplates, &QListWidget::currentItemChanged, this, [this] { lvTemplatesClick(); });
    connect(m_lvTemplates, &QListWidget::itemClicked, this, [this] { lvTemplatesClick(); });
    connect(m_lvTemplates, &QListWidget::itemDoubleClicked, this, &TChoosePanel::lvTemplatesDblClick);
    // Enter opens the selected entry, as a double-click does; Delete and F2 delete and rename it.
    m_lvTemplates->installEventFilter(this);
    connect(m_lvTemplates, &QWidget::customContextMenuRequested, this, &TChoosePanel::lvTemplatesMouseUp);
    connect(m_lvTemplates->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
                lvTemplatesEdited(editor, int(hint));
            });
    connect(m_lvTemplates->itemDelegate(), &QAbstractItemDelegate::commitData, this,
            [this] { m_renameAccepted = true; });

    // The preview box: white and sunken, holding the welcome picture until a thumbnail is
    // shown, and the thumbnail centred at its own size.
    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("Panel2"));
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setFixedSize(kPreviewBoxSize);
    box->setAutoFillBackground(true);
    QPalette white = box->palette();
    white.setColor(QPalette::Window, Qt::white);
    box->setPalette(white);
    m_previewBox = box;

    m_imgFrontPicture = new TArtPicture(QStringLiteral("imgFrontPicture"), box);
    m_imgFrontPicture->setPicture(QStringLiteral("FrontPicture"));
    m_imgFrontPicture->setGeometry(box->contentsRect());

    m_imgPreView = new QLabel(box);
    m_imgPreView->setObjectName(QStringLiteral("imgPreView"));
    m_imgPreView->hide();

    // The window leaves the stage little height, so each caption stands beside its box, at its top.
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    QLabel *lblChoosePages = boldLabel(LoadStr(5009), "lblChoosePages", this);
    lblChoosePages->setBuddy(m_lvTemplates);
    m_lvTemplates->setAccessibleName(lblChoosePages->text().trimmed());
    row->addWidget(lblChoosePages, 0, Qt::AlignTop);
    row->addWidget(m_lvTemplates, 0, Qt::AlignTop);
    row->addSpacing(36);
    row->addWidget(boldLabel(LoadStr(5010), "lblChoosePreview", this), 0, Qt::AlignTop);
    row->addWidget(box, 0, Qt::AlignTop);
    row->addStretch(1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch(1);
}

void TChoosePanel::buildMenu()
{
    m_popFiles = new QMenu(this);
    m_popFiles->setObjectName(QStringLiteral("popFiles"));
    QAction *remove = m_popFiles->addAction(QStringLiteral("&Delete"));
    remove->setObjectName(QStringLiteral("Delete1"));
    connect(remove, &QAction::triggered, this, &TChoosePanel::Delete1Click);
    QAction *rename = m_popFiles->addAction(QStringLiteral("Re&name"));
    rename->setObjectName(QStringLiteral("Rename1"));
    connect(rename, &QAction::triggered, this, &TChoosePanel::Rename1Click);
    m_popFiles->addSeparator();
    QAction *whatsThis = m_popFiles->addAction(QStringLiteral("What's This?"));
    whatsThis->setObjectName(QStringLiteral("WhatsThis1"));
    connect(whatsThis, &QAction::triggered, this, &TChoosePanel::WhatsThis1Click);
}

// ---- the stage ----

bool TChoosePanel::mayLeave(TStage)
{
    if (!m_page.PanelLoading())
        applySelectedItem();
    return true;
}

void TChoosePanel::leave(TStage target)
{
    if (target == stBuild)
        applySelectedItem();
}

void TChoosePanel::enter(TStage)
{
    showFrontPicture();
    GetTemplates();
    // The stages after building generate the page afresh from whatever is chosen here.
    m_page.discardHTML();
}

void TChoosePanel::applySelectedItem()
{
    // Taking the selection makes sure the switch applies an entry once, not again at its end.
    if (const std::optional<TGalleryItem> item = takeSelectedItem())
        emit itemAppliedBySwitch(item->path, item->isSavedPage);
}

// ---- the list ----

void TChoosePanel::GetTemplates()
{
    // A rebuild while a caption is being edited would pull the entry from under the editor.
    if (m_renaming)
        return;
    m_lvTemplates->clear();
    int templates = 0;
    for (const TGalleryEntry &entry : ListGalleryEntries(TemplateFolder(), SaveFolder())) {
        addEntry(entry.Path, entry.Caption, entry.IsSavedPage ? giSavedPage : giTemplate);
        templates += entry.IsSavedPage ? 0 : 1;
    }
    qCInfo(lcGallery) << "the gallery lists" << templates << "templates and"
                      << m_lvTemplates->count() - templates << "saved pages from" << TemplateFolder();
    if (m_lvTemplates->count() > 0)
        m_lvTemplates->scrollToItem(m_lvTemplates->item(0));
    m_lvTemplates->setCurrentItem(nullptr);
    m_lvTemplates->clearSelection();
}

void TChoosePanel::addEntry(const QString &path, const QString &caption, TGalleryIcon icon)
{
    auto *item = new QListWidgetItem(galleryIcon(icon), caption, m_lvTemplates);
    item->setData(kPathRole, path);
    item->setData(kIconRole, int(icon));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void TChoosePanel::clearGallery()
{
    if (!m_renaming)
        m_lvTemplates->clear();
}

void TChoosePanel::showFrontPicture()
{
    m_imgPreView->hide();
    m_imgFrontPicture->show();
}

QListWidgetItem *TChoosePanel::selectedEntry() const
{
    const QList<QListWidgetItem *> selected = m_lvTemplates->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::optional<TChoosePanel::TGalleryItem> TChoosePanel::selectedItem() const
{
    const QListWidgetItem *item = selectedEntry();
    if (!item)
        return std::nullopt;
    return TGalleryItem{item->data(kPathRole).toString(), item->data(kIconRole).toInt() == giSavedPage};
}

std::optional<TChoosePanel::TGalleryItem> TChoosePanel::takeSelectedItem()
{
    std::optional<TGalleryItem> item = selectedItem();
    m_lvTemplates->clearSelection();
    return item;
}

bool TChoosePanel::hasForbiddenCharacter(const QString &name)
{
    return HasForbiddenNameCharacter(name);
}

void TChoosePanel::lvTemplatesClick()
{
    const std::optional<TGalleryItem> item = selectedItem();
    if (!item)
        return;
    // An entry without a thumbnail shows the welcome picture: another entry's thumbnail left in
    // the box would pass for a picture of this page.
    const std::optional<QImage> thumbnail =
        QFileInfo(item->path).isFile() ? LoadThumbnail(item->path) : std::nullopt;
    if (!thumbnail) {
        showFrontPicture();
        return;
    }
    const QPixmap pixmap = QPixmap::fromImage(*thumbnail);
    m_imgPreView->setPixmap(pixmap);
    m_imgPreView->resize(pixmap.size());
    const QRect area = m_previewBox->contentsRect();
    m_imgPreView->move(area.x() + (area.width() - pixmap.width()) / 2,
                       area.y() + (area.height() - pixmap.height()) / 2);
    m_imgFrontPicture->hide();
    m_imgPreView->show();
}

void TChoosePanel::lvTemplatesDblClick(QListWidgetItem *)
{
    if (m_renaming)
        return;
    if (const std::optional<TGalleryItem> item = takeSelectedItem())
        emit itemApplied(item->path, item->isSavedPage);
}

bool TChoosePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lvTemplates && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The menu keys ask about the selected entry, so the menu opens on it rather than on
        // whatever entry lies in the middle of the list; with none selected they ask about the list.
        if (const QListWidgetItem *item = selectedEntry()) {
            lvTemplatesMouseUp(m_lvTemplates->visualItemRect(item).center());
        } else if (!m_renaming) {
            m_menuPosition =
                m_lvTemplates->viewport()->mapToGlobal(m_lvTemplates->viewport()->rect().center());
            THelpService::current().ShowWhatsThis(kGalleryHelpTopic, m_menuPosition);
        }
        return true;
    }
    if (watched == m_lvTemplates && event->type() == QEvent::KeyPress && !m_renaming) {
        // The entry menu's commands have their usual keys: Delete and F2 (rename).
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() != Qt::NoModifier || !selectedEntry())
            return TStagePanel::eventFilter(watched, event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            lvTemplatesDblClick(selectedEntry());
            return true;
        case Qt::Key_Delete:
            Delete1Click();
            return true;
        case Qt::Key_F2:
            Rename1Click();
            return true;
        default:
            break;
        }
    }
    return TStagePanel::eventFilter(watched, event);
}

void TChoosePanel::lvTemplatesMouseUp(QPoint position)
{
    m_menuPosition = m_lvTemplates->viewport()->mapToGlobal(position);
    if (m_renaming)
        return;
    // The entry under the pointer is the one the menu acts on, as a click would have made it.
    if (QListWidgetItem *under = m_lvTemplates->itemAt(position))
        m_lvTemplates->setCurrentItem(under);
    if (selectedEntry())
        m_popFiles->popup(m_menuPosition);
    else
        THelpService::current().ShowWhatsThis(kGalleryHelpTopic, m_menuPosition);
}

// ---- the entry menu ----

void TChoosePanel::Delete1Click()
{
    const QListWidgetItem *item = selectedEntry();
    if (!item)
        return;
    const QString path = item->data(kPathRole).toString();
    // A file that has gone since the list was built is only dropped from the list.
    if (!QFileInfo(path).isFile()) {
        GetTemplates();
        return;
    }
    const QString question = LoadStr(5080) + QStringLiteral(" \"") + item->text() + QStringLiteral("\"?");
    if (Prompts::current().message(TMsgKind::Warning, question, TMsgButtons::YesNo) != TMsgResult::Yes)
        return;
    DeleteGalleryFiles(path);
    showFrontPicture();
    GetTemplates();
}

void TChoosePanel::Rename1Click()
{
    QListWidgetItem *item = selectedEntry();
    if (!item || m_renaming)
        return;
    m_renameOldCaption = item->text();
    m_renameOldPath = item->data(kPathRole).toString();
    m_renameAccepted = false;
    m_renaming = true;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_lvTemplates->editItem(item);
}

void TChoosePanel::lvTemplatesEdited(QWidget *, int)
{
    if (!m_renaming)
        return;
    m_renaming = false;
    QListWidgetItem *item = selectedEntry();
    if (!item)
        item = m_lvTemplates->currentItem();
    if (!item)
        return;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    // Escape ends the edit without committing: the old name stays.
    const QString caption = m_renameAccepted ? item->text() : m_renameOldCaption;
    if (caption.trimmed().isEmpty() || caption == m_renameOldCaption) {
        item->setText(m_renameOldCaption);
        return;
    }
    if (HasForbiddenNameCharacter(caption)) {
        Prompts::current().message(TMsgKind::Warning, LoadStr(5082), TMsgButtons::Ok);
        item->setText(m_renameOldCaption);
        return;
    }
    // A refused rename changes nothing on disk; the refilled list shows the old name.
    RenameGalleryFiles(m_renameOldPath, caption);
    GetTemplates();
}

void TChoosePanel::WhatsThis1Click()
{
    THelpService::current().ShowPopupTopic(kGalleryHelpTopic, m_menuPosition);
}

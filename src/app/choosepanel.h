#pragma once

#include "stagepanel.h"
#include "stageview.h"

#include <QPoint>
#include <QString>

#include <optional>

class QAbstractItemDelegate;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class TArtPicture;
class TPage;

// The choose stage: the welcome text and the gallery of templates and saved pages the user
// starts from, with a miniature of the selected entry. Templates come first, then saved pages;
// each entry's icon tells the two apart. The entries' menu deletes and renames their files.
// An entry that is still selected when the user switches stages is applied first.
class TChoosePanel : public TStagePanel, public TStageView {
    Q_OBJECT
public:
    struct TGalleryItem {
        QString path;
        bool isSavedPage = false;
    };

    // The icon numbers of the entries; the saved-page number doubles as the flag that tells
    // the document commands to open the file as the current document.
    enum TGalleryIcon { giTemplate = 0, giSavedPage = 1 };

    explicit TChoosePanel(TPage &page, QWidget *parent = nullptr);

    // TStageView. Whatever the target, a selected entry is applied before any switch (unless
    // the program is filling the page itself); one still selected when the switch to building
    // goes ahead is applied then.
    QWidget *stageWidget() override { return this; }
    bool mayLeave(TStage target) override;
    void leave(TStage target) override;
    void enter(TStage from) override;

    // The gallery entry the user has selected, if any. Stage switches load it first.
    std::optional<TGalleryItem> selectedItem() const;
    // The selected entry, after which nothing is selected any more: an entry is applied once.
    std::optional<TGalleryItem> takeSelectedItem();
    // Refills the gallery from the template and save folders. No entry is selected afterwards.
    void GetTemplates();
    // Empties the gallery; it is refilled the next time the stage is shown.
    void clearGallery();
    // Shows the front picture instead of a thumbnail, as on entering the stage.
    void showFrontPicture();

    // True while a caption is being edited in place.
    bool renaming() const { return m_renaming; }

    // The characters a page name must not hold, as the file systems forbid them.
    static bool hasForbiddenCharacter(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The user double-clicked an entry: the main window opens it through the document commands.
    void itemApplied(const QString &path, bool isSavedPage);
    // A stage switch applies the selected entry: the window opens it without switching again.
    void itemAppliedBySwitch(const QString &path, bool isSavedPage);

private:
    void buildGallery();
    void buildMenu();
    void addEntry(const QString &path, const QString &caption, TGalleryIcon icon);
    QListWidgetItem *selectedEntry() const;
    void applySelectedItem();

    void lvTemplatesClick();
    void lvTemplatesDblClick(QListWidgetItem *item);
    void lvTemplatesMouseUp(QPoint position);
    void Delete1Click();
    void Rename1Click();
    void lvTemplatesEdited(QWidget *editor, int hint);
    void WhatsThis1Click();

    TPage &m_page;
    QListWidget *m_lvTemplates = nullptr;
    QWidget *m_previewBox = nullptr;
    TArtPicture *m_imgFrontPicture = nullptr;
    QLabel *m_imgPreView = nullptr;
    QMenu *m_popFiles = nullptr;
    QPoint m_menuPosition;

    // The entry being renamed, remembered when the edit starts: the list may not be touched
    // by anything else until it ends.
    bool m_renaming = false;
    bool m_renameAccepted = false;
    QString m_renameOldCaption;
    QString m_renameOldPath;
};

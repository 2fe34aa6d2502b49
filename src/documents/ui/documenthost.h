#pragma once

#include "stage.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;
class TPage;

// What the document commands need from the window that holds the document: the page, the
// current document's name, the stage switch, the loading guards and the few controls that a
// load or a save touches. The main window implements it; the commands never reach past it.
class TDocumentHost {
public:
    virtual ~TDocumentHost() = default;

    virtual TPage &page() = 0;
    virtual QWidget *dialogParent() = 0;

    // The current document's full path; empty for an untitled document. Setting it also
    // updates the window caption.
    virtual QString DocFileName() const = 0;
    virtual void setDocFileName(const QString &path) = 0;

    virtual TStage CurrentStage() const = 0;
    virtual void ShowRedPill(TStage target) = 0;
    // On while a gallery item is applied from inside a stage switch.
    virtual bool ApplyingGalleryItem() const = 0;
    virtual void setDocumentLoading(bool on) = 0;
    virtual void setPanelLoading(bool on) = 0;

    // The build stage.
    virtual void ClearPage() = 0;
    virtual void LoadChunk(int chunkIndex) = 0;
    virtual void selectFirstBlock() = 0;
    virtual void showBlankPanel() = 0;

    // The send stage's logo option, ticked again for every new, opened or templated page.
    virtual void tickLogo() = 0;

    // The style list box; its first entry "[None]" stands for no style.
    virtual QByteArray selectedStyleName() const = 0;
    virtual void SelectStyleByName(const QByteArray &name) = 0;
    virtual void selectNoStyle() = 0;
    // Shows the page title the reader found.
    virtual void showPageTitle() = 0;

    // The picture of the rendered page kept beside every saved document for the gallery.
    virtual QImage MakeThumbnail() = 0;
    // Writes the page HTML text to pageFile, generating it first when there is none yet.
    virtual void SaveFromHTML(const QString &pageFile) = 0;
    // Rebuilds the send stage's list of files to upload.
    virtual void refreshUploadList() = 0;
    // Refills the gallery of templates and saved pages.
    virtual void GetTemplates() = 0;
};

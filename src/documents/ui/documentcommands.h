#pragma once

#include "prompts.h"

#include <QObject>
#include <QString>

#include <optional>

class TPageDocument;
struct TDocumentRead;
class TStyleCatalog;

// The File menu's document commands and the checks that guard unsaved work: New, Open, Save,
// Save As, Make Template, the save question asked before work is dropped, the gate of the send
// stage, and the entry points that load and save builder documents. They work on the current
// document and ask every question through Prompts::current(); what the window has to do in
// reply they announce with signals.
class TDocumentCommands : public QObject {
    Q_OBJECT
public:
    TDocumentCommands(TPageDocument &document, const TStyleCatalog &styles, QObject *parent = nullptr);

    // The save question: No without asking when nothing changed, else Yes, No or Cancel.
    TMsgResult AskForSave();

    // File menu.
    void mnuFileNewClick();
    void menFileOpenClick();
    void menFileSaveClick();
    void menFileSaveAsClick();
    void menFileMakeClick();

    // Empties the page into a new untitled document and goes to the build stage.
    void FileNew();
    // Applies a document or template: asks about unsaved work, then opens path as the current
    // document (isSavedPage) or as a new untitled page, and goes to the build stage.
    void DoTemplate(const QString &path, bool isSavedPage);
    // True when the Save As dialog was confirmed and the document saved.
    bool FileSaveAs();
    // Saves under a name chosen in the Save changes dialog; true when saved.
    bool SaveChanges();
    // The gate of the send stage: true when the document is saved and the page file written.
    bool SaveDocument();

    // Writes the document to path and makes it the current, unmodified document; false (after
    // telling the user) when the file could not be written.
    bool SaveBuilder(const QString &path);
    // Reads path as a new untitled page.
    void LoadTemplate(const QString &path);
    // Reads path as the current document.
    void OpenDocument(const QString &path);
    // Reads the recovery copy at copyPath as the page of originalPath (empty: untitled), with
    // unsaved changes, as it stood when the program ended without saving it.
    void RestoreRecovered(const QString &copyPath, const QString &originalPath);

signals:
    // The page was replaced by a new, opened or templated one: the window goes on to building,
    // unless it is itself in the middle of a stage switch.
    void buildStageRequested();
    // File New has made an empty page: the build stage shows its empty block panel.
    void newPageStarted();
    // A document or template was written into the gallery's folders.
    void galleryChanged();

private:
    // Yes saves first (and goes on even when that is cancelled), No goes on, Cancel stops.
    bool askThenAct();
    void showSaveInfo();
    static QString saveFailedText(const QString &path, const QString &reason);
    static QString damagedText(const QString &path, const TDocumentRead &read);
    std::optional<TFileChoice> runSaveDialog(const QString &folder, const QString &preset,
                                             const QString &suffix, const QString &filter);
    QString documentFolder() const;
    void open(const QString &path, bool asDocument);

    TPageDocument &m_document;
    const TStyleCatalog &m_styles;
};

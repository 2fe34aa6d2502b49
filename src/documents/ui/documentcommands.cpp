#include "documentcommands.h"

#include "filefilter.h"
#include "folders.h"
#include "helpers.h"
#include "pagedocument.h"
#include "settings.h"
#include "stringtable.h"
#include "stylecatalog.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file-type filters as description and pattern pairs separated by vertical bars.
const QString kOpenFilter =
    QStringLiteral("Zorvin Express Files (*.zve)|*.zve|Zorvin Express Template (*.zvt)|*.zvt");
const QString kDocumentFilter = QStringLiteral("Zorvin Express Files (*.zve)|*.zve");
const QString kTemplateFilter = QStringLiteral("Zorvin Express Template (*.zvt)|*.zvt");

} // namespace

TDocumentCommands::TDocumentCommands(TPageDocument &document, const TStyleCatalog &styles, QObject *parent)
    : QObject(parent), m_document(document), m_styles(styles)
{
}

TMsgResult TDocumentCommands::AskForSave()
{
    if (!m_document.page().PageModified())
        return TMsgResult::No;
    return Prompts::current().message(TMsgKind::Confirmation, LoadStr(103), TMsgButtons::YesNoCancel);
}

bool TDocumentCommands::askThenAct()
{
    switch (AskForSave()) {
    case TMsgResult::Yes:
        // Yes means the user wants the work kept: when it was not saved after all (the Save As
        // dialog was cancelled or the file could not be written), the command that would replace
        // the page does not go on.
        return FileSaveAs();
    case TMsgResult::Cancel:
        return false;
    default:
        return true;
    }
}

void TDocumentCommands::mnuFileNewClick()
{
    if (askThenAct())
        FileNew();
}

void TDocumentCommands::FileNew()
{
    TPage &page = m_document.page();
    page.setPanelLoading(true);
    m_document.newPage();
    page.setPanelLoading(false);
    emit buildStageRequested();
    emit newPageStarted();
}

void TDocumentCommands::menFileOpenClick()
{
    TFileRequest request;
    request.folder = SaveFolder();
    request.filter = ToQtFileFilter(kOpenFilter);
    request.defaultSuffix = QStringLiteral("zve");
    const std::optional<TFileChoice> choice = Prompts::current().openFile(request);
    if (!choice)
        return;
    // The filter the user chose decides the loader, not the file's extension: with the first
    // one even a template becomes the current document.
    DoTemplate(choice->path, choice->filterIndex == 0);
}

void TDocumentCommands::DoTemplate(const QString &path, bool isSavedPage)
{
    TPage &page = m_document.page();
    page.setDocumentLoading(true);
    page.setPanelLoading(true);
    // The style is reset before the question, so it stays reset even when the user cancels.
    page.setStyle(std::nullopt);
    if (askThenAct()) {
        open(path, isSavedPage);
        page.setDocumentLoading(false);
        emit buildStageRequested();
    }
    page.setDocumentLoading(false);
    page.setPanelLoading(false);
}

void TDocumentCommands::menFileSaveClick()
{
    const QString current = m_document.DocFileName();
    if (!current.isEmpty() && QFileInfo::exists(current)) {
        SaveBuilder(current);
        return;
    }
    // A document whose file has gone meanwhile is saved like an untitled one.
    showSaveInfo();
    const std::optional<TFileChoice> choice =
        runSaveDialog(documentFolder(), QString(), QStringLiteral("zve"), kDocumentFilter);
    if (choice)
        SaveBuilder(choice->path);
}

void TDocumentCommands::menFileSaveAsClick()
{
    FileSaveAs();
    emit galleryChanged();
}

bool TDocumentCommands::FileSaveAs()
{
    showSaveInfo();
    const std::optional<TFileChoice> choice = runSaveDialog(
        documentFolder(), FileNamePart(m_document.DocFileName()), QStringLiteral("zve"), kDocumentFilter);
    if (!choice || !SaveBuilder(choice->path))
        return false;
    m_document.savePageFile();
    return true;
}

bool TDocumentCommands::SaveChanges()
{
    // The dialog offers the document where it lives (its full path): a document opened from
    // elsewhere must not become a stray copy in "save" that the gallery never shows.
    const std::optional<TFileChoice> choice =
        runSaveDialog(SaveFolder(), m_document.DocFileName(), QStringLiteral("zve"), kDocumentFilter);
    return choice && SaveBuilder(choice->path);
}

bool TDocumentCommands::SaveDocument()
{
    bool saved = false;
    if (m_document.DocFileName().isEmpty()) {
        Prompts::current().message(TMsgKind::Warning, LoadStr(100), TMsgButtons::Ok);
        saved = FileSaveAs();
    } else if (!m_document.page().PageModified()) {
        saved = true;
    } else if (Prompts::current().message(TMsgKind::Warning, LoadStr(101), TMsgButtons::OkCancel) ==
               TMsgResult::Ok) {
        saved = SaveChanges();
    }
    if (saved)
        m_document.savePageFile();
    return saved;
}

void TDocumentCommands::menFileMakeClick()
{
    const std::optional<TFileChoice> choice =
        runSaveDialog(TemplateFolder(), QString(), QStringLiteral("zvt"), kTemplateFilter);
    // The new template becomes the current document, so its name shows in the caption.
    if (choice)
        SaveBuilder(choice->path);
    emit galleryChanged();
}

bool TDocumentCommands::SaveBuilder(const QString &path)
{
    QString error;
    if (!m_document.saveBuilder(path, &error)) {
        // A save that did not happen must not look like one: the document keeps its name and
        // its changes, and the user learns why.
        Prompts::current().message(TMsgKind::Error, saveFailedText(path, error), TMsgButtons::Ok);
        return false;
    }
    return true;
}

void TDocumentCommands::LoadTemplate(const QString &path)
{
    open(path, false);
}

void TDocumentCommands::OpenDocument(const QString &path)
{
    open(path, true);
}

void TDocumentCommands::RestoreRecovered(const QString &copyPath, const QString &originalPath)
{
    open(copyPath, false);
    m_document.setDocFileName(originalPath);
    m_document.page().setPageModified(true);
}

void TDocumentCommands::open(const QString &path, bool asDocument)
{
    const TPageLoad load =
        m_document.open(path, asDocument ? TOpenAs::Document : TOpenAs::Template, m_styles.styles());
    // A missing file simply gives an empty page; a file that is no builder document is reported,
    // and so is a damaged one, which opens with what could be read as a new untitled page.
    if (load.Found && !load.Read.readable())
        Prompts::current().message(TMsgKind::Error,
                                   QDir::toNativeSeparators(path) + QLatin1Char('\n') + load.Read.Error,
                                   TMsgButtons::Ok);
    else if (load.Found && load.Read.damaged())
        Prompts::current().message(TMsgKind::Warning, damagedText(path, load.Read), TMsgButtons::Ok);
}

QString TDocumentCommands::damagedText(const QString &path, const TDocumentRead &read)
{
    const int readCount = int(read.Chunks.size());
    QString text =
        QStringLiteral("The Zorvin Express file %1 is damaged. ").arg(QDir::toNativeSeparators(path));
    if (read.BlockCount > 0)
        text +=
            QStringLiteral("Only %1 of its %2 Web Blocks could be read.").arg(readCount).arg(read.BlockCount);
    else
        text += QStringLiteral("None of its Web Blocks could be read.");
    return text + QStringLiteral("\nWhat could be read opens as a new, untitled page, so the damaged file is "
                                 "kept as it is until you choose to save over it.");
}

QString TDocumentCommands::saveFailedText(const QString &path, const QString &reason)
{
    QString text = QStringLiteral("The file %1 could not be saved.").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
}

void TDocumentCommands::showSaveInfo()
{
    const QString general = QStringLiteral("General");
    const QString saveInfo = QStringLiteral("SaveInfo");
    if (ReadSetting(general, saveInfo) == QLatin1String("No"))
        return;
    // Only the OK button stores the tick; closing the dialog otherwise writes nothing.
    const TNoticeAnswer answer = Prompts::current().saveInformation();
    if (answer.result == TMsgResult::Ok && answer.dontShowAgain)
        WriteSetting(general, saveInfo, QStringLiteral("No"));
}

std::optional<TFileChoice> TDocumentCommands::runSaveDialog(const QString &folder, const QString &preset,
                                                            const QString &suffix, const QString &filter)
{
    TFileRequest request;
    request.folder = folder;
    request.fileName = preset;
    request.defaultSuffix = suffix;
    request.filter = ToQtFileFilter(filter);
    return Prompts::current().saveFile(request);
}

QString TDocumentCommands::documentFolder() const
{
    const QString current = m_document.DocFileName();
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        if (info.absoluteDir().exists())
            return info.absolutePath();
    }
    return SaveFolder();
}

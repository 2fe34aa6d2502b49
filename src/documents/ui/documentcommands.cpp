#include "documentcommands.h"

#include "builderdocument.h"
#include "documenthost.h"
#include "filefilter.h"
#include "folders.h"
#include "frmsaveinfo.h"
#include "helpers.h"
#include "page.h"
#include "settings.h"
#include "stringtable.h"
#include "thumbnail.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file-type filters as description and pattern pairs separated by vertical bars.
const QString kOpenFilter =
    QStringLiteral("Zorvin Express Files (*.zve)|*.zve|Zorvin Express Template (*.zvt)|*.zvt");
const QString kDocumentFilter = QStringLiteral("Zorvin Express Files (*.zve)|*.zve");
const QString kTemplateFilter = QStringLiteral("Zorvin Express Template (*.zvt)|*.zvt");

} // namespace

TMsgResult TDocumentCommands::AskForSave()
{
    if (!m_host.page().PageModified())
        return TMsgResult::No;
    return Prompts::current().message(TMsgKind::Confirmation, LoadStr(103), TMsgButtons::YesNoCancel);
}

bool TDocumentCommands::askThenAct()
{
    switch (AskForSave()) {
    case TMsgResult::Yes:
        // The command goes on even when the Save As dialog is cancelled.
        FileSaveAs();
        return true;
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
    m_host.setPanelLoading(true);
    clearForNewPage();
    m_host.setDocFileName(QString());
    m_host.page().setPageModified(false);
    m_host.selectNoStyle();
    m_host.setPanelLoading(false);
    m_host.ShowRedPill(stBuild);
    m_host.showBlankPanel();
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
    m_host.setDocumentLoading(true);
    m_host.setPanelLoading(true);
    m_host.selectNoStyle();
    if (askThenAct()) {
        if (isSavedPage)
            OpenDocument(path);
        else
            LoadTemplate(path);
        if (!m_host.page().WebChunks.empty())
            m_host.selectFirstBlock();
        m_host.setDocumentLoading(false);
        if (!m_host.ApplyingGalleryItem())
            m_host.ShowRedPill(stBuild);
    }
    m_host.setDocumentLoading(false);
    m_host.setPanelLoading(false);
}

void TDocumentCommands::menFileSaveClick()
{
    const QString current = m_host.DocFileName();
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
    m_host.GetTemplates();
}

bool TDocumentCommands::FileSaveAs()
{
    showSaveInfo();
    const std::optional<TFileChoice> choice = runSaveDialog(
        documentFolder(), FileNamePart(m_host.DocFileName()), QStringLiteral("zve"), kDocumentFilter);
    if (!choice || !SaveBuilder(choice->path))
        return false;
    writePageFile();
    m_host.refreshUploadList();
    return true;
}

bool TDocumentCommands::SaveChanges()
{
    const std::optional<TFileChoice> choice = runSaveDialog(SaveFolder(), FileNamePart(m_host.DocFileName()),
                                                            QStringLiteral("zve"), kDocumentFilter);
    return choice && SaveBuilder(choice->path);
}

bool TDocumentCommands::SaveDocument()
{
    bool saved = false;
    if (m_host.DocFileName().isEmpty()) {
        Prompts::current().message(TMsgKind::Warning, LoadStr(100), TMsgButtons::Ok);
        saved = FileSaveAs();
    } else if (!m_host.page().PageModified()) {
        saved = true;
    } else if (Prompts::current().message(TMsgKind::Warning, LoadStr(101), TMsgButtons::OkCancel) ==
               TMsgResult::Ok) {
        saved = SaveChanges();
    }
    if (saved)
        writePageFile();
    return saved;
}

void TDocumentCommands::menFileMakeClick()
{
    const std::optional<TFileChoice> choice =
        runSaveDialog(TemplateFolder(), QString(), QStringLiteral("zvt"), kTemplateFilter);
    // The new template becomes the current document, so its name shows in the caption.
    if (choice)
        SaveBuilder(choice->path);
    m_host.GetTemplates();
}

bool TDocumentCommands::SaveBuilder(const QString &path)
{
    QString error;
    if (!WriteDocument(path, m_host.selectedStyleName(), m_host.page().PageTitle, m_host.page().WebChunks,
                       &error)) {
        // A save that did not happen must not look like one: the document keeps its name and
        // its changes, and the user learns why.
        Prompts::current().message(TMsgKind::Error, saveFailedText(path, error), TMsgButtons::Ok);
        return false;
    }
    // The thumbnail comes after the document, so a failure to make or write it can never
    // damage the document itself; the gallery simply shows no picture for it.
    SaveThumbnail(path, m_host.MakeThumbnail());
    m_host.page().setPageModified(false);
    m_host.setDocFileName(path);
    if (m_host.CurrentStage() == stSend)
        m_host.refreshUploadList();
    return true;
}

void TDocumentCommands::LoadTemplate(const QString &path)
{
    m_host.ClearPage();
    m_host.tickLogo();
    m_host.setDocFileName(QString());
    m_host.page().setPageModified(false);
    if (QFileInfo::exists(path))
        readDocument(path);
}

void TDocumentCommands::OpenDocument(const QString &path)
{
    clearForNewPage();
    m_host.setDocFileName(QString());
    m_host.page().setPageModified(false);
    // A file that is no builder document at all does not become the current document: a
    // later Save would otherwise overwrite it with the empty page.
    if (QFileInfo::exists(path) && readDocument(path))
        m_host.setDocFileName(path);
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
    if (ReadSetting(QStringLiteral("General"), QStringLiteral("SaveInfo")) == QLatin1String("No"))
        return;
    TfrmSaveInfo dialog(m_host.dialogParent());
    dialog.exec();
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
    const QString current = m_host.DocFileName();
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        if (info.absoluteDir().exists())
            return info.absolutePath();
    }
    return SaveFolder();
}

void TDocumentCommands::clearForNewPage()
{
    m_host.tickLogo();
    m_host.ClearPage();
}

bool TDocumentCommands::readDocument(const QString &path)
{
    // A damaged document keeps the blocks read before the damage.
    const TDocumentRead read = ReadDocument(path);
    if (!read.readable()) {
        Prompts::current().message(TMsgKind::Error,
                                   QDir::toNativeSeparators(path) + QLatin1Char('\n') + read.Error,
                                   TMsgButtons::Ok);
        return false;
    }
    TPage &page = m_host.page();
    if (read.StyleName)
        m_host.SelectStyleByName(*read.StyleName);
    if (read.Title) {
        page.PageTitle = *read.Title;
        m_host.showPageTitle();
    }
    for (const TWebChunk &chunk : read.Chunks) {
        page.WebChunks.push_back(chunk);
        m_host.LoadChunk(int(page.WebChunks.size()) - 1);
    }
    // Placing the loaded blocks is not an edit of the user's.
    m_host.page().setPageModified(false);
    return true;
}

void TDocumentCommands::writePageFile()
{
    m_host.SaveFromHTML(
        PathJoin(HTMLFolder(), StripExtension(FileNamePart(m_host.DocFileName())) + QStringLiteral(".html")));
}

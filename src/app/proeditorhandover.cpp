#include "proeditorhandover.h"

#include "folders.h"
#include "pagedocument.h"
#include "proeditorexport.h"
#include "prompts.h"
#include "stringtable.h"

#include <QFileInfo>

TProEditorHandOver::TProEditorHandOver(TPageDocument &document) : m_document(document) {}

void TProEditorHandOver::ZorvinRunning()
{
    m_link.ZorvinRunning();
}

bool TProEditorHandOver::exportPage()
{
    const std::optional<QString> appPath = m_link.GetAppPath();
    if (!appPath)
        return false;
    const QString target = ProEditorTargetPath(*appPath, m_document.DocFileName());
    if (QFileInfo::exists(target)) {
        const TMsgResult answer =
            Prompts::current().message(TMsgKind::Warning,
                                       QStringLiteral("The HTML file ") + target +
                                           QStringLiteral(" already exists. Do you wish to overwrite it?"),
                                       TMsgButtons::YesNo);
        if (answer != TMsgResult::Yes)
            return true;
    }
    if (!WriteProEditorPage(m_document.page(), ProgramFolder(), *appPath, target))
        return false;
    const QStringList missing = ProEditorMissingCopies(m_document.page(), ProgramFolder(), *appPath);
    Prompts::current().message(TMsgKind::Information,
                               ProEditorReport(m_document.page(), *appPath, target, missing),
                               TMsgButtons::Ok);
    return true;
}

void TProEditorHandOver::reportFailure()
{
    Prompts::current().message(TMsgKind::Error, LoadStr(5084), TMsgButtons::Ok);
}

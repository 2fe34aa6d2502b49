#include "pagefoldercommand.h"

#include "folders.h"
#include "pagedocument.h"
#include "pagefolder.h"
#include "prompts.h"

#include <QDir>

void TPageFolderCommand::menFileExportFolderClick()
{
    TFileRequest request;
    request.title = QStringLiteral("Export Page Folder");
    request.folder = QDir::homePath();
    const std::optional<QString> folder = Prompts::current().chooseFolder(request);
    if (!folder)
        return;

    const TPageFolderPlan plan =
        PlanPageFolder(m_document.page(), ProgramFolder(), *folder, m_document.DocFileName());
    const QStringList existing = plan.existing();
    if (!existing.isEmpty()) {
        QString names;
        for (const QString &path : existing)
            names += QStringLiteral("\r\n    ") + QDir(*folder).relativeFilePath(path);
        const TMsgResult answer = Prompts::current().message(
            TMsgKind::Confirmation,
            QStringLiteral("These files are already in the folder ") + QDir::toNativeSeparators(*folder) +
                QStringLiteral(":") + names + QStringLiteral("\r\n\r\nDo you want to replace them?"),
            TMsgButtons::YesNo);
        if (answer != TMsgResult::Yes)
            return;
    }
    const TPageFolderResult result = WritePageFolder(plan);
    Prompts::current().message(result.pageWritten() ? TMsgKind::Information : TMsgKind::Error,
                               PageFolderReport(plan, result), TMsgButtons::Ok);
}

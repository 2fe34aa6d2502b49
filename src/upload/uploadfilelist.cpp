#include "uploadfilelist.h"

#include "helpers.h"

QStringList UploadFileListLines(const TUploadList &list, const QString &docFileName)
{
    QStringList lines;
    for (const ResourceDetail &entry : list) {
        if (entry.Skipped())
            lines << entry.Reference + QStringLiteral(" (") + entry.SkipReason + QLatin1Char(')');
        else
            lines << entry.Reference;
    }
    if (!docFileName.isEmpty())
        lines << StripExtension(FileNamePart(docFileName)) + QStringLiteral(".html");
    return lines;
}

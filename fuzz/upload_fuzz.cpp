#include "helpers.h"
#include "uploadlist.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

// Scans arbitrary bytes as a saved page. Whatever the page says, a file that is to be sent lies
// inside the HTML folder and goes under a remote name without "..", and no file is listed twice.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString html = QStringLiteral("/nonexistent/zv-fuzz/HTMLFiles/");
    const QByteArray page(reinterpret_cast<const char *>(data), qsizetype(size));
    const TUploadList list = BuildUploadList(page, html + QStringLiteral("page.html"), html);
    QStringList seen;
    for (const ResourceDetail &entry : list) {
        if (seen.contains(entry.LocalPath))
            std::abort();
        seen << entry.LocalPath;
        if (entry.Skipped())
            continue;
        if (!QDir::cleanPath(NativePath(entry.LocalPath)).startsWith(html))
            std::abort();
        QString reference = entry.Reference;
        reference.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (reference.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            std::abort();
    }
    return 0;
}

#include "helpers.h"
#include "sentpage.h"
#include "uploadlist.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

// Scans arbitrary bytes as a saved page. Whatever the page says, a file that is to be sent lies
// inside the HTML folder and goes under a remote name without "..", and no file is listed twice.
// The copy of the page that is sent then declares its character set exactly once, whatever the
// page held, and keeps every byte of the page.
// Qt warns about every file name holding a NUL byte; a fuzzed page holds many, and the warnings
// would bury the fuzzer's own report.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

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

    QByteArray sent = AddHostingBanner(RemoveFolderPrefixes(page));
    const QByteArray declared = DeclareCharset(sent);
    if (!DeclaresCharset(declared) || DeclareCharset(declared) != declared)
        std::abort();
    // Only something is inserted: the page's bytes stay, in order.
    qsizetype at = 0;
    for (const char c : std::as_const(sent)) {
        at = declared.indexOf(c, at);
        if (at < 0)
            std::abort();
        ++at;
    }
    return 0;
}

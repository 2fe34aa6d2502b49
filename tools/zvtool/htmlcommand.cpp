#include "builderdocument.h"
#include "command.h"
#include "folders.h"
#include "helpers.h"
#include "page.h"
#include "pagehtml.h"
#include "stylesfile.h"

#include <QFileInfo>

#include <cstdio>

// zvtool html DOCUMENT [--styles FILE] [--no-logo]
//
// Writes the page file that the program saves for a document just opened: the page cleared, the
// document read, the logo on unless --no-logo, the page generated for the preview and then the
// document's style applied to the body tag. Styles come from --styles or from "Styles.data" in
// the program folder, found as the program finds it.

namespace {

int runHtml(const QStringList &args)
{
    QString document;
    QString stylesPath;
    TLogoOption logo = TLogoOption::On;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-logo")) {
            logo = TLogoOption::Off;
        } else if (args[i] == QLatin1String("--styles") && i + 1 < args.size()) {
            stylesPath = args[++i];
        } else if (document.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            document = args[i];
        } else {
            return zvFail(QStringLiteral("usage: zvtool html DOCUMENT [--styles FILE] [--no-logo]"));
        }
    }
    if (document.isEmpty())
        return zvFail(QStringLiteral("usage: zvtool html DOCUMENT [--styles FILE] [--no-logo]"));

    const bool explicitStyles = !stylesPath.isEmpty();
    if (!explicitStyles)
        stylesPath = StylesFilePath(ProgramFolder());
    const TStylesRead styles = LoadStyles(stylesPath);
    if (styles.Status != TStylesReadStatus::Complete) {
        if (explicitStyles)
            return zvFail(styles.Error);
        zvWarn(styles.Error);
    }

    const TDocumentRead read = ReadDocument(document);
    if (!read.readable())
        return zvFail(QStringLiteral("%1: %2").arg(document, read.Error));
    if (read.Status != TDocumentStatus::Complete)
        zvWarn(QStringLiteral("%1: %2").arg(document, read.Error));

    // A cleared page has the default title and "[None]"; the document may replace both.
    TPage page;
    page.clear();
    if (read.Title)
        page.setPageTitle(*read.Title);
    page.setChunks(read.Chunks);
    const TStyleChunk *style = nullptr;
    if (read.StyleName) {
        const int item = StyleItemIndex(styles.Styles, *read.StyleName);
        if (item > 0)
            style = &styles.Styles[size_t(item - 1)];
    }

    TPageHTMLSettings settings;
    settings.Logo = logo;
    zvWrite(AddBodyDef(BuildPageHTML(page, settings), style));
    return 0;
}

const ZvCommand command{"html", "write the page file of a builder document", false, runHtml};

} // namespace

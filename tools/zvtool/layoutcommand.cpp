#include "anchorlist.h"
#include "command.h"
#include "expandlink.h"
#include "helpers.h"
#include "htmlreader.h"
#include "layoutdump.h"
#include "qtmeasurehost.h"
#include "viewdocument.h"

#include <QFileInfo>

// zvtool layout FILE [--width N] [--text]: lays a page out with the program's own HTML engine,
// measuring with the real fonts, and prints one line per section and per line box.
static int runLayout(const QStringList &args)
{
    QString file;
    int width = 600;
    bool text = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--width") && i + 1 < args.size()) {
            bool ok = false;
            width = args[++i].toInt(&ok);
            if (!ok || width < 1 || width > 100000)
                return zvFail(QStringLiteral("--width needs a number of pixels from 1 to 100000"));
        } else if (args[i] == QLatin1String("--text")) {
            text = true;
        } else if (file.isEmpty()) {
            file = args[i];
        } else {
            return zvFail(QStringLiteral("unexpected argument '%1'").arg(args[i]));
        }
    }
    if (file.isEmpty())
        return zvFail(QStringLiteral("usage: zvtool layout FILE [--width N] [--text]"));
    if (!QFileInfo(file).isFile())
        return zvFail(QStringLiteral("Can't locate file: %1").arg(file));

    QtMeasureHost host;
    TViewDocument doc(&host);
    TAnchorList anchors;
    const QString path = QFileInfo(file).absoluteFilePath();
    doc.ExpandFileName = [&doc, path](const QString &name) {
        return NativePath(ExpandLinkFilename(name, doc.Base, path));
    };
    const TViewError error = text ? ParseTextFile(doc, anchors, file) : ParseHtmlFile(doc, anchors, file);
    doc.LayoutDocument(width);
    zvWrite(LayoutDump(doc));
    if (!error.ok())
        return zvFail(error.Message);
    return 0;
}

static const ZvCommand layoutCommand{"layout", "lay a page out: FILE [--width N] [--text]", true, runLayout};

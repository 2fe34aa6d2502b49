// Any bytes at all go through the HTML reader, then the layout at two widths, painting, hit
// tests, selection and find, all with the deterministic host. The first byte picks the mode and
// the widths so the fuzzer can steer them.
#include "anchorlist.h"
#include "fixedmetricshost.h"
#include "htmlreader.h"
#include "viewdocument.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t control = data[0];
    const char *text = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);

    FixedMetricsHost host;
    host.addImage(QStringLiteral("a.gif"), QSize(40, 30));
    host.addImage(QStringLiteral("b.png"), QSize(300, 10), true);
    TViewDocument doc(&host);
    TAnchorList anchors;
    doc.ShowImages = (control & 1) == 0;
    doc.DefaultFontSize = 6 + (control >> 4);
    doc.UpdateFonts();

    if (control & 2) {
        // Plain-text mode and the line-list entry points.
        const QList<QByteArray> lines = QByteArray(text, length).split('\n');
        if (control & 4)
            ParseTextLines(doc, anchors, lines);
        else
            ParseHtmlLines(doc, anchors, lines);
    } else {
        ParseHtmlBuffer(doc, anchors, text, length);
    }

    const int width = 20 + (control & 0x0C) * 60;
    const TLayoutSize first = doc.LayoutDocument(width);
    doc.Draw(QRect(0, 0, width, 600), 10, 0, 0, doc.TextLength() / 2);
    for (int y = 0; y < first.Height && y < 4000; y += 37) {
        doc.GetURL(width / 3, y);
        doc.FindCursor(width / 2, y);
    }
    doc.SelectedText(0, doc.TextLength());
    doc.Find(QStringLiteral("a"), 0);
    doc.LayoutDocument(width / 3 + 1);
    doc.Draw(QRect(0, first.Height / 2, width, 300), 10, -first.Height / 2);
    for (const auto &anchor : anchors.Items())
        (void)anchor.second->YValue();
    return 0;
}

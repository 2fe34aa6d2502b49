#include "layoutdump.h"
#include "viewfixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

// Layout dumps with the fixed-metrics host against the expected files in golden/. Run with
// ZV_UPDATE_GOLDEN=1 to rewrite the expected files after an intended change.

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class GoldenLayout : public ViewFixture, public ::testing::WithParamInterface<const char *> {};

} // namespace

TEST_P(GoldenLayout, MatchesExpectedDump)
{
    const QString dir = QStringLiteral(ZV_TEST_SOURCE_DIR "/golden/");
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray html = ReadFile(dir + name + QStringLiteral(".html"));
    ASSERT_FALSE(html.isEmpty()) << name.toStdString();
    host.addImage(QStringLiteral("dog.gif"), QSize(40, 30));
    host.addImage(QStringLiteral("tall.png"), QSize(20, 60));
    // A face whose descent is as large as its ascent, to mix with the ordinary fonts.
    host.setFaceMetrics(QStringLiteral("Deep"), 50, 50);
    // The program's generated pages show the pictures it ships, at their real sizes.
    const QDir graphics(QStringLiteral(ZV_SOURCE_ROOT "/data/HTMLFiles/graphics"));
    for (const QString &file : graphics.entryList(QDir::Files))
        host.addImage(file, QImageReader(graphics.filePath(file)).size());
    // The first line of the file may name the width: <!-- width 200 -->.
    int width = 400;
    if (html.startsWith("<!-- width "))
        width = html.mid(11, html.indexOf(' ', 11) - 11).toInt();
    if (html.contains("<!-- images off -->"))
        doc->ShowImages = false;
    read(html);
    doc->LayoutDocument(width);
    QByteArray dump = LayoutDump(*doc);
    if (!error.ok())
        dump += "error: " + error.Message.toUtf8() + '\n';
    for (const auto &[anchorName, section] : anchors.Items())
        dump += "anchor " + anchorName.toUtf8() + " y=" + QByteArray::number(section->YValue()) + '\n';
    const QString expectedPath = dir + name + QStringLiteral(".layout");
    if (qEnvironmentVariableIntValue("ZV_UPDATE_GOLDEN")) {
        QFile f(expectedPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(dump);
        return;
    }
    EXPECT_EQ(dump.toStdString(), ReadFile(expectedPath).toStdString()) << "for " << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, GoldenLayout,
                         ::testing::Values("text", "floats", "lists", "tables", "spans", "images",
                                           "imagesoff", "pre", "forms", "nested"));

// Pages written by hand, each showing one thing real pages hold.
INSTANTIATE_TEST_SUITE_P(HandWritten, GoldenLayout,
                         ::testing::Values("anchors", "head", "entities", "pretabs", "charset", "sidebar",
                                           "overflow", "listend", "rowcolours", "floatline", "fidelity",
                                           "widefloat"));

// Pages the program generates (the shipped templates, the page generator's golden sample and a
// document holding every kind of block), as the preview hands them to the viewer. Changes to
// the engine must leave their layout as it is, or change it on purpose.
INSTANTIATE_TEST_SUITE_P(Generated, GoldenLayout,
                         ::testing::Values("generated-sample-preview", "generated-every-block",
                                           "generated-club-or-society", "generated-curriculum-vitae",
                                           "generated-my-home-page", "generated-our-family",
                                           "generated-photo-album", "generated-small-business"));

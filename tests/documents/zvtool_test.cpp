#include "builderdocument.h"
#include "golden.h"
#include "samplepage.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The tool runs without any display: nothing in its environment names one, nor a Qt platform.
ToolRun zvtool(const QStringList &args, const QString &home = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    if (!home.isEmpty())
        env.insert("ZORVIN_HOME", home);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZVTOOL_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

const QString kSample = QStringLiteral(ZV_TEST_SOURCE_DIR "/golden/sample.zve");
const QString kData = QStringLiteral(ZV_SOURCE_ROOT "/data");

} // namespace

TEST(Zvtool, HtmlOfADocumentWithItsStyle)
{
    const ToolRun run =
        zvtool({"html", kSample, "--styles", ZV_SOURCE_ROOT "/tests/styles/golden/two_styles.data"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    ExpectGolden("sample_styled.html", run.out);
    EXPECT_TRUE(run.out.contains("<BODY BACKGROUND=\"backgrnd/stars.gif\" BGCOLOR=\"#000040\""));
}

TEST(Zvtool, HtmlTakesStylesFromTheProgramFolderAndCanLeaveOutTheLogo)
{
    QTemporaryDir folder;
    const QString document = folder.filePath("page.zve");
    ASSERT_TRUE(WriteDocument(document, "ocean BREEZE", "T", SamplePage()));
    ToolRun run = zvtool({"html", document, "--no-logo"}, kData);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("<BODY BACKGROUND=\"backgrnd/ocean.jpg\""));
    EXPECT_FALSE(run.out.contains("button.gif"));

    // A style the list does not have leaves the page without one.
    ASSERT_TRUE(WriteDocument(document, "Gone", "T", {}));
    run = zvtool({"html", document}, kData);
    EXPECT_TRUE(run.out.contains("</HEAD>\r\n<BODY>\r\n<CENTER><BR><BR>")) << run.out.constData();
}

TEST(Zvtool, DumpListsEveryField)
{
    const ToolRun run = zvtool({"dump", kSample});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    ExpectGolden("sample_dump.txt", run.out);
    EXPECT_TRUE(run.out.contains("  Text: First line\\r\\nSecond <I>line</I>\\r\\n"));
}

TEST(Zvtool, UnreadableInputFailsWithAMessage)
{
    QTemporaryDir folder;
    for (const QString &command : {QStringLiteral("dump"), QStringLiteral("html")}) {
        ToolRun run = zvtool({command, folder.filePath("missing.zve")});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("zvtool: ")) << run.err.constData();
        run = zvtool({command, ZV_SOURCE_ROOT "/data/Styles.data"});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains("not a builder document")) << run.err.constData();
    }
    EXPECT_NE(zvtool({"html", kSample, "--styles", folder.filePath("none.data")}).exitCode, 0);
}

TEST(Zvtool, DamagedDocumentShowsWhatWasRead)
{
    QTemporaryDir folder;
    const QByteArray whole = DocumentBytes("S", "T", SamplePage());
    QFile file(folder.filePath("cut.zve"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(whole.size() / 2));
    file.close();
    const ToolRun run = zvtool({"dump", file.fileName()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("Block 1: Heading"));
    EXPECT_FALSE(run.err.isEmpty());
}

TEST(Zvtool, ShippedStylesFileMatchesItsDescription)
{
    QTemporaryDir folder;
    const QString made = folder.filePath("Styles.data");
    const ToolRun run = zvtool({"make-styles", kData + "/styles.txt", made});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(ReadSourceFile(made), ReadSourceFile(kData + "/Styles.data"))
        << "data/Styles.data is out of date: run scripts/make-art";
}

TEST(Zvtool, RenderPaintsAPageWithoutADisplay)
{
    QTemporaryDir folder;
    const QString page = folder.filePath("red.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<HTML><BODY BGCOLOR=\"#FF0000\" TEXT=\"#000000\"><H1>Red page</H1></BODY></HTML>");
    file.close();
    const QString out = folder.filePath("red.png");
    const ToolRun run = zvtool({"render", page, "--width", "300", "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage picture(out);
    ASSERT_EQ(picture.width(), 300);
    EXPECT_GT(picture.height(), 20);
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(255, 0, 0));
    // The heading is painted in black somewhere on the red.
    bool black = false;
    for (int y = 0; y < picture.height() && !black; ++y)
        for (int x = 0; x < picture.width() && !black; ++x)
            black = picture.pixelColor(x, y) == QColor(0, 0, 0);
    EXPECT_TRUE(black);
}

TEST(Zvtool, RenderWritesATallPageInSlices)
{
    QTemporaryDir folder;
    const QString page = folder.filePath("tall.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<HTML><BODY BGCOLOR=\"#FFFFFF\">");
    for (int i = 0; i < 1400; ++i)
        file.write("<P>Paragraph " + QByteArray::number(i) + " of a very tall page.\n");
    file.close();

    // Slices of a chosen height hold exactly the rows of the whole picture.
    const QString whole = folder.filePath("whole.png");
    ToolRun run = zvtool({"render", page, "--width", "120", "--height", "500", "--out", whole});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    run = zvtool({"render", page, "--width", "120", "--height", "500", "--slice-height", "200", "--out",
                  folder.filePath("part.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("written in 3 slices")) << run.out.constData();
    const QImage expected(whole);
    ASSERT_EQ(expected.height(), 500);
    for (int i = 0; i < 3; ++i) {
        const QImage slice(folder.filePath(QStringLiteral("part-%1.png").arg(i + 1)));
        ASSERT_EQ(slice.height(), i < 2 ? 200 : 100) << i;
        EXPECT_EQ(slice, expected.copy(0, 200 * i, 120, slice.height())) << i;
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("part.png")));

    // Without a height the page is taller than one picture may be: slices of 30000 rows.
    run = zvtool({"render", page, "--width", "60", "--out", folder.filePath("all.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QImage(folder.filePath("all-1.png")).height(), 30000);
    EXPECT_GT(QImage(folder.filePath("all-2.png")).height(), 0);

    // A picture that cannot be written says why, and leaves no empty file behind.
    const QString nowhere = folder.filePath("no/such/folder/out.png");
    run = zvtool({"render", page, "--width", "60", "--height", "50", "--out", nowhere});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("zvtool: cannot write " + nowhere.toUtf8() + ": ")) << run.err.constData();
}

// The shipped templates and their gallery thumbnails are made by make-template from the
// descriptions; making them again gives the same bytes, thumbnail pixels included.
TEST(Zvtool, ShippedTemplatesMatchTheirDescriptions)
{
    QTemporaryDir folder;
    const QDir descriptions(QStringLiteral(ZV_SOURCE_ROOT "/scripts/templates"));
    const QStringList names = descriptions.entryList({QStringLiteral("*.json")});
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        const QString base = QFileInfo(name).completeBaseName() + QStringLiteral(".zvt");
        const QString made = folder.filePath(base);
        const ToolRun run = zvtool({"make-template", descriptions.filePath(name), made}, kData + "/");
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        for (const QString &suffix : {QString(), QStringLiteral(".bmp")}) {
            EXPECT_EQ(ReadSourceFile(made + suffix), ReadSourceFile(kData + "/template/" + base + suffix))
                << (base + suffix).toStdString() << " is out of date: run scripts/make-templates";
        }
    }
}

#include "page.h"
#include "pagefolder.h"
#include "pagehtml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TWebChunk imageChunk(const QByteArray &fileName)
{
    return TWebChunk{TBlockImage{fileName, "", "", "", "http://", baNone, 0}, {}};
}

class PageFolder : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(program.isValid() && target.isValid());
        // The program keeps its copies of pictures under lower-case names.
        writeFile(program.filePath(QStringLiteral("HTMLFiles/graphics/dog.gif")), "GIF89a dog");
        writeFile(program.filePath(QStringLiteral("HTMLFiles/backgrnd/stars.gif")), "GIF89a stars");
        page.appendChunk(imageChunk("graphics\\Dog.GIF"));
        page.appendChunk(TWebChunk{TBlockPara{"Woof"}, {}});
        page.setStyle(TStyleChunk{"Night", "backgrnd\\stars.gif"});
        page.setLogo(TLogoOption::Off);
    }

    QString in(const char *name) const { return target.filePath(QLatin1String(name)); }

    QTemporaryDir program;
    QTemporaryDir target;
    TPage page;
};

TEST_F(PageFolder, WritesThePageWithItsPicturesWhereThePageLooksForThem)
{
    const TPageFolderPlan plan =
        PlanPageFolder(page, program.path(), target.path(), QStringLiteral("/x/save/Dogs.zve"));
    EXPECT_EQ(plan.pagePath, in("Dogs.html"));
    EXPECT_TRUE(plan.existing().isEmpty());
    const TPageFolderResult result = WritePageFolder(plan);
    EXPECT_EQ(result.written, (QStringList{QStringLiteral("Dogs.html"), QStringLiteral("graphics/Dog.GIF"),
                                           QStringLiteral("backgrnd/stars.gif")}));
    EXPECT_TRUE(result.failed.isEmpty() && result.missing.isEmpty());

    TPageHTMLSettings settings;
    settings.Options = boForExport;
    settings.Style = &*page.style();
    settings.Logo = TLogoOption::Off;
    const QByteArray html = readAll(in("Dogs.html"));
    EXPECT_EQ(html, BuildPageHTML(page, settings));
    // Each reference of the page finds its file under exactly that name.
    EXPECT_TRUE(html.contains("SRC=\"graphics/Dog.GIF\""));
    EXPECT_EQ(readAll(in("graphics/Dog.GIF")), "GIF89a dog");
    EXPECT_TRUE(html.contains("BACKGROUND=\"backgrnd/stars.gif\""));
    EXPECT_EQ(readAll(in("backgrnd/stars.gif")), "GIF89a stars");

    const QString report = PageFolderReport(plan, result);
    EXPECT_TRUE(report.startsWith(QStringLiteral("Your page has been written to the folder ") +
                                  QDir::toNativeSeparators(target.path())));
    EXPECT_TRUE(report.contains(QStringLiteral("\r\n    graphics/Dog.GIF")));

    // Everything is there now: a second plan names every file as existing.
    const TPageFolderPlan again =
        PlanPageFolder(page, program.path(), target.path(), QStringLiteral("/x/save/Dogs.zve"));
    EXPECT_EQ(again.existing(),
              (QStringList{in("Dogs.html"), in("graphics/Dog.GIF"), in("backgrnd/stars.gif")}));
}

TEST_F(PageFolder, PicturesItCannotPlaceOrFindAreReportedNotWritten)
{
    page.appendChunk(imageChunk("C:\\photos\\cat.jpg"));
    page.appendChunk(imageChunk("../../etc/evil.gif"));
    page.appendChunk(imageChunk("graphics\\Dog.GIF")); // the same picture twice is copied once
    page.setLogo(TLogoOption::On);                     // the logo's picture is not in this folder
    const TPageFolderPlan plan = PlanPageFolder(page, program.path(), target.path(), QString());
    EXPECT_EQ(plan.pagePath, in("index.html")) << "an untitled page";
    EXPECT_EQ(plan.outside,
              (QStringList{QStringLiteral("C:/photos/cat.jpg"), QStringLiteral("../../etc/evil.gif")}));
    EXPECT_EQ(plan.pictures.size(), 3u);

    const TPageFolderResult result = WritePageFolder(plan);
    EXPECT_EQ(result.missing, QStringList{QStringLiteral("graphics/button.gif")});
    // Nothing is written outside the chosen folder.
    for (const TPageFolderPicture &picture : plan.pictures)
        EXPECT_TRUE(
            QFileInfo(picture.destination).absoluteFilePath().startsWith(target.path() + QLatin1Char('/')));
    const QString report = PageFolderReport(plan, result);
    EXPECT_TRUE(report.contains(
        QStringLiteral("were not found in the program's HTML folder:\r\n    graphics/button.gif")));
    EXPECT_TRUE(
        report.contains(QStringLiteral("left out:\r\n    C:/photos/cat.jpg\r\n    ../../etc/evil.gif")));
}

TEST_F(PageFolder, AFolderThatCannotBeMadeWritesNothing)
{
    writeFile(in("blocked"), "a file, not a folder");
    const TPageFolderPlan plan = PlanPageFolder(page, program.path(), in("blocked/site"), QString());
    const TPageFolderResult result = WritePageFolder(plan);
    EXPECT_FALSE(result.pageWritten());
    EXPECT_EQ(result.failed.size(), 3);
    EXPECT_TRUE(PageFolderReport(plan, result).startsWith(QStringLiteral("Your page could not be written")));
}

} // namespace

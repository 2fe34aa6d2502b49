#include "page.h"
#include "pagehtml.h"
#include "proeditorexport.h"

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

class ProEditorExport : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(program.isValid() && editor.isValid());
        writeFile(program.filePath(QStringLiteral("HTMLFiles/graphics/dog.gif")), "GIF89a dog");
        writeFile(program.filePath(QStringLiteral("HTMLFiles/backgrnd/stars.gif")), "GIF89a stars");
        TWebChunk image{TBlockImage{"graphics\\dog.gif", "", "", "A dog", "http://", baNone, 0}, {}};
        page.appendChunk(image);
        page.setPageTitle("Dogs");
        page.setLogo(TLogoOption::Off);
        appPath = editor.path();
        target = ProEditorTargetPath(appPath, QStringLiteral("/home/jo/save/My Dogs.zve"));
    }

    QTemporaryDir program;
    QTemporaryDir editor;
    TPage page;
    QString appPath;
    QString target;
};

TEST_F(ProEditorExport, WritesTheExportFormOfThePageAndCopiesItsPictures)
{
    EXPECT_EQ(target, editor.filePath(QStringLiteral("HTMLFiles/My Dogs.html")));
    page.setStyle(TStyleChunk{"Night", "backgrnd\\stars.gif"});
    ASSERT_TRUE(WriteProEditorPage(page, program.path(), appPath, target));

    TPageHTMLSettings settings;
    settings.Options = boForExport;
    settings.Style = &*page.style();
    settings.Logo = TLogoOption::Off;
    const QByteArray expected = BuildPageHTML(page, settings);
    EXPECT_EQ(readAll(target), expected);
    EXPECT_TRUE(expected.contains("BACKGROUND=\"backgrnd/stars.gif\""));
    EXPECT_EQ(readAll(editor.filePath(QStringLiteral("HTMLFiles/Graphics/dog.gif"))), "GIF89a dog");
    EXPECT_EQ(readAll(editor.filePath(QStringLiteral("HTMLFiles/backgrnd/stars.gif"))), "GIF89a stars");
}

TEST_F(ProEditorExport, ReportNamesTheBackgroundOnlyWhenThereIsOne)
{
    const QString graphics = editor.filePath(QStringLiteral("HTMLFiles/Graphics"));
    const QString twoLines =
        QStringLiteral("The HTML file ") + target +
        QStringLiteral(" has been created and can now be opened within Zorvin Professional.\r\n"
                       "Any related images have been copied to the ") +
        graphics + QStringLiteral(" directory.");
    EXPECT_EQ(ProEditorReport(page, appPath, target), twoLines);

    page.setStyle(TStyleChunk{"Night", "backgrnd\\stars.gif"});
    EXPECT_EQ(ProEditorReport(page, appPath, target),
              twoLines +
                  QStringLiteral("\r\nThe backround image backgrnd\\stars.gif has been copied to the ") +
                  editor.filePath(QStringLiteral("HTMLFiles/backgrnd")) + QStringLiteral(" directory."));

    // A style of colours only copies no picture, so the report does not claim one.
    page.setStyle(TStyleChunk{"Plain", ""});
    EXPECT_EQ(ProEditorReport(page, appPath, target), twoLines);
}

TEST_F(ProEditorExport, PicturesThatWereNotCopiedAreNamedNotClaimed)
{
    page.appendChunk(TWebChunk{TBlockImage{"graphics\\cat.gif", "", "", "", "http://", baNone, 0}, {}});
    page.setStyle(TStyleChunk{"Night", "backgrnd\\stars.gif"});
    ASSERT_TRUE(WriteProEditorPage(page, program.path(), appPath, target));
    const QStringList missing = ProEditorMissingCopies(page, program.path(), appPath);
    EXPECT_EQ(missing, QStringList{QStringLiteral("cat.gif")});
    const QString report = ProEditorReport(page, appPath, target, missing);
    EXPECT_TRUE(
        report.endsWith(QStringLiteral(" directory.\r\nThese pictures could not be copied: cat.gif.")))
        << report.toStdString();

    // With the logo on, its button has to reach the editor too; this program folder has none.
    page.setLogo(TLogoOption::On);
    EXPECT_EQ(ProEditorMissingCopies(page, program.path(), appPath),
              (QStringList{QStringLiteral("cat.gif"), QStringLiteral("Button.gif")}));
}

TEST_F(ProEditorExport, AnUnwritableFolderFailsAndAnEarlierExportIsReplaced)
{
    // A file where the editor's page folder should be: nothing can be written below it.
    writeFile(editor.filePath(QStringLiteral("HTMLFiles")), "not a folder");
    EXPECT_FALSE(WriteProEditorPage(page, program.path(), appPath, target));
    EXPECT_EQ(readAll(editor.filePath(QStringLiteral("HTMLFiles"))), "not a folder");

    // An earlier export is replaced.
    QFile::remove(editor.filePath(QStringLiteral("HTMLFiles")));
    writeFile(target, "earlier export");
    ASSERT_TRUE(WriteProEditorPage(page, program.path(), appPath, target));
    EXPECT_TRUE(readAll(target).startsWith("<HTML>\r\n"));
}

} // namespace

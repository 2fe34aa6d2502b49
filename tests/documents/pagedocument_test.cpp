#include "builderdocument.h"
#include "pagedocument.h"
#include "qtprinters.h"
#include "samplepage.h"
#include "stylecatalog.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TStyleChunk style(const char *name, TColour back)
{
    TStyleChunk chunk;
    chunk.StyleName = name;
    chunk.BackColour = back;
    return chunk;
}

// A program folder of its own for every test, so the page file lands in a known HTML folder;
// nothing here has a window.
class PageDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_previousHome = qgetenv("ZORVIN_HOME");
        qputenv("ZORVIN_HOME", m_home.path().toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(path("HTMLFiles")));
        ASSERT_TRUE(QDir().mkpath(path("save")));
    }
    void TearDown() override
    {
        EXPECT_EQ(document.selfCheck(), QStringList());
        if (m_previousHome.isNull())
            qunsetenv("ZORVIN_HOME");
        else
            qputenv("ZORVIN_HOME", m_previousHome);
    }
    QString path(const char *name) const { return m_home.filePath(QLatin1String(name)); }

    TPageDocument document;
    const TStyleList styles{style("Ocean", 0x00FF8000), style("Sand", 0x0080C0FF)};

private:
    QTemporaryDir m_home;
    QByteArray m_previousHome;
};

TEST_F(PageDocumentTest, SavingAndOpeningRoundTripsThePageWithoutAnyWindow)
{
    TPage &page = document.page();
    page.setChunks(SamplePage());
    page.setPageTitle("Round trip");
    page.setStyle(styles[1]);
    page.setPageModified(true);
    const QString saved = path("save/Trip.zve");
    QStringList companions;
    document.setCompanionWriter([&](const QString &documentPath, const QByteArray &pageHTML) {
        companions << documentPath;
        EXPECT_TRUE(pageHTML.contains("BGCOLOR=\"#FFC080\""));
    });
    QSignalSpy names(&document, &TPageDocument::docFileNameChanged);
    QString error;
    ASSERT_TRUE(document.saveAs(saved, &error)) << error.toStdString();
    EXPECT_EQ(companions, QStringList{saved});
    EXPECT_EQ(document.DocFileName(), saved);
    EXPECT_EQ(names.count(), 1);
    EXPECT_FALSE(page.PageModified());
    // No text was generated, so the page file holds the page generated for it, and the page
    // still has no text of its own.
    const QByteArray pageFile = fileBytes(path("HTMLFiles/Trip.html"));
    EXPECT_TRUE(pageFile.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>Round trip</TITLE>"));
    EXPECT_TRUE(pageFile.contains("BGCOLOR=\"#FFC080\""));
    EXPECT_FALSE(page.HTMLGenerated());

    // The style is stored by name and found again in the list, whatever its letter case there.
    TStyleList renamed = styles;
    renamed[1].StyleName = "SAND";
    TPageDocument other;
    QSignalSpy opened(&other, &TPageDocument::opened);
    const TPageLoad load = other.open(saved, TOpenAs::Document, renamed);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(other.DocFileName(), saved);
    EXPECT_EQ(other.page().PageTitle(), QByteArray("Round trip"));
    EXPECT_EQ(other.page().StyleName(), QByteArray("SAND"));
    ASSERT_EQ(other.page().WebChunks().size(), SamplePage().size());
    EXPECT_EQ(other.page().WebChunks()[1].Para()->Text, SamplePage()[1].Para()->Text);
    EXPECT_FALSE(other.page().PageModified());
    EXPECT_EQ(other.selfCheck(), QStringList());
}

TEST_F(PageDocumentTest, ThePageFileGetsTheTextWithItsHandEditsOnceGenerated)
{
    TPage &page = document.page();
    page.setChunks({NewWebChunk(bkPara)});
    page.generateHTML();
    page.editHTML(page.PageHTML().replace("</BODY>", "<!-- mine -->\r\n</BODY>"));
    ASSERT_TRUE(document.saveAs(path("save/Mine.zve")));
    EXPECT_EQ(fileBytes(path("HTMLFiles/Mine.html")), page.PageHTML());
    // Hand edits are no part of the builder document.
    EXPECT_FALSE(fileBytes(path("save/Mine.zve")).contains("mine -->"));
}

TEST_F(PageDocumentTest, ATemplateOpensAsANewUntitledPageAndTheLogoComesBack)
{
    ASSERT_TRUE(WriteDocument(path("save/T.zvt"), "ocean", "Template title", {NewWebChunk(bkLine)}));
    document.setDocFileName(path("save/Current.zve"));
    document.page().setLogo(TLogoOption::Off);
    const TPageLoad load = document.open(path("save/T.zvt"), TOpenAs::Template, styles);
    EXPECT_TRUE(load.ok());
    EXPECT_TRUE(document.DocFileName().isEmpty());
    EXPECT_EQ(document.page().logo(), TLogoOption::On);
    EXPECT_EQ(document.page().StyleName(), QByteArray("Ocean"));
    EXPECT_EQ(document.page().PageTitle(), QByteArray("Template title"));
}

TEST_F(PageDocumentTest, MissingDamagedAndForeignFilesLeaveAnUntitledPage)
{
    document.page().setStyle(styles[0]);
    TPageLoad load = document.open(path("save/Gone.zve"), TOpenAs::Document, styles);
    EXPECT_FALSE(load.Found);
    EXPECT_FALSE(load.ok());
    EXPECT_TRUE(document.DocFileName().isEmpty());
    EXPECT_TRUE(document.page().WebChunks().empty());
    // Opening does not choose a style of its own; the caller decides whether to reset it.
    EXPECT_EQ(document.page().StyleName(), QByteArray("Ocean"));

    QFile notes(path("save/Notes.zve"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("my shopping list");
    notes.close();
    load = document.open(path("save/Notes.zve"), TOpenAs::Document, styles);
    EXPECT_TRUE(load.Found);
    EXPECT_FALSE(load.ok());
    EXPECT_FALSE(load.Read.Error.isEmpty());
    // It must not become the current document, or a later Save would write over it.
    EXPECT_TRUE(document.DocFileName().isEmpty());

    // A document cut short keeps the blocks before the cut but opens untitled, so that a Save
    // cannot replace it with the shorter page unnoticed.
    const QByteArray whole = DocumentBytes("[None]", "Torn", SamplePage());
    QFile torn(path("save/Torn.zve"));
    ASSERT_TRUE(torn.open(QIODevice::WriteOnly));
    torn.write(whole.left(whole.indexOf("Visit")));
    torn.close();
    load = document.open(path("save/Torn.zve"), TOpenAs::Document, styles);
    EXPECT_TRUE(load.ok());
    EXPECT_EQ(load.Read.Status, TDocumentStatus::Truncated);
    EXPECT_TRUE(load.Read.damaged());
    EXPECT_EQ(load.Read.BlockCount, int(SamplePage().size()));
    EXPECT_EQ(document.page().WebChunks().size(), 2u);
    EXPECT_TRUE(document.DocFileName().isEmpty());
    EXPECT_FALSE(document.page().PageModified());
    EXPECT_FALSE(document.page().style().has_value());
}

TEST_F(PageDocumentTest, AFailedSaveChangesNothing)
{
    document.page().setChunks({NewWebChunk(bkPara)});
    document.page().setPageModified(true);
    bool companionWritten = false;
    document.setCompanionWriter([&](const QString &, const QByteArray &) { companionWritten = true; });
    QString error;
    EXPECT_FALSE(document.saveBuilder(path("no/such/folder/Lost.zve"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(companionWritten);
    EXPECT_TRUE(document.DocFileName().isEmpty());
    EXPECT_TRUE(document.page().PageModified());
}

TEST(StyleCatalog, ItemsAreNoneAndThenTheStylesInOrder)
{
    TStyleCatalog catalog;
    QSignalSpy changed(&catalog, &TStyleCatalog::stylesChanged);
    catalog.setStyles({style("Ocean", 0), style("Sand", 1)});
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(catalog.itemIndex("[none]"), 0);
    EXPECT_EQ(catalog.itemIndex("sand"), 2);
    EXPECT_EQ(catalog.itemIndex("Forest"), -1);
    EXPECT_FALSE(catalog.styleOfItem(0).has_value());
    EXPECT_EQ(catalog.styleOfItem(2)->StyleName, QByteArray("Sand"));
    EXPECT_FALSE(catalog.styleOfItem(3).has_value());

    // A missing file gives an empty list, and says so.
    QTemporaryDir temp;
    const TStylesRead read = catalog.load(temp.filePath(QStringLiteral("Styles.data")));
    EXPECT_EQ(read.Status, TStylesReadStatus::Missing);
    EXPECT_TRUE(catalog.styles().empty());
    EXPECT_EQ(changed.count(), 2);
}

} // namespace

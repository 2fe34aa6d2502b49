#include "helpers.h"
#include "uploadlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An HTML folder in a temporary folder, with a private file beside it that must never leave.
class UploadListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("HTMLFiles/graphics"));
        QDir(m_dir.path()).mkpath(QStringLiteral("HTMLFiles/backgrnd"));
        QDir(m_dir.path()).mkpath(QStringLiteral(".ssh"));
        write(QStringLiteral(".ssh/id_rsa"));
        write(QStringLiteral("HTMLFiles/graphics/dog.gif"));
    }

    void write(const QString &relative)
    {
        QFile f(m_dir.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    QString html() const { return m_dir.filePath(QStringLiteral("HTMLFiles")) + QLatin1Char('/'); }
    QString page() const { return html() + QStringLiteral("page.html"); }
    TUploadList scan(const QByteArray &text) const { return BuildUploadList(text, page(), html()); }
    static QStringList references(const TUploadList &list)
    {
        QStringList out;
        for (const ResourceDetail &r : list)
            out << r.Reference + (r.Skipped() ? QStringLiteral(" (skipped)") : QString());
        return out;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST(StripCommentsTest, CutsOnlyCommentsThatHoldTags)
{
    EXPECT_EQ(StripComments("a<!-- <IMG SRC=\"x.gif\"> -->b<!-- note -->c"), QByteArray("ab<!-- note -->c"));
    // An unterminated comment is left alone rather than eating the page.
    EXPECT_EQ(StripComments("a<!-- <IMG SRC=x.gif>"), QByteArray("a<!-- <IMG SRC=x.gif>"));
    EXPECT_EQ(StripComments("<!--<b>--><!--<i>-->z"), QByteArray("z"));
}

TEST_F(UploadListTest, FindsSourcesThenBackgroundsOnceEach)
{
    const TUploadList list = scan("<BODY BACKGROUND=\"backgrnd/stars.gif\">\r\n"
                                  "<IMG SRC=graphics/dog.gif>\r\n"
                                  "<img lowsrc=\"graphics/small.gif\" src=\"graphics/dog.gif\">\r\n"
                                  "<!-- <IMG SRC=\"graphics/old.gif\"> -->\r\n"
                                  "<IMG SRC=\"http://example.com/a.gif\"><IMG SRC=\"\">\r\n"
                                  "<IMG SRC=\"HTTP://example.com/b.gif\">\r\n");
    EXPECT_EQ(references(list), (QStringList{"graphics/dog.gif", "graphics/small.gif",
                                             "HTTP://example.com/b.gif", "backgrnd/stars.gif"}));
    ASSERT_FALSE(list.isEmpty());
    EXPECT_EQ(NativePath(list[0].LocalPath), html() + QStringLiteral("graphics/dog.gif"));
    EXPECT_TRUE(list[0].LocalPath.contains(QLatin1Char('\\')));
    EXPECT_EQ(list[0].FileKind, QStringLiteral("gif/jpg"));
}

TEST_F(UploadListTest, UpperCaseUnquotedAndLowerCaseQuotedAreOneFile)
{
    const TUploadList list = scan("<IMG SRC=graphics/dog.gif><img src=\"graphics/dog.gif\">");
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].Reference, QStringLiteral("graphics/dog.gif"));
}

TEST_F(UploadListTest, ReferencesLeadingOutOfTheHtmlFolderAreSkipped)
{
    const QString secret = m_dir.filePath(QStringLiteral(".ssh/known_hosts"));
    const TUploadList list = scan("<IMG SRC=\"../.ssh/id_rsa\"><IMG SRC=\"../../../../../../etc/passwd\">"
                                  "<IMG SRC=\"/etc/hosts\"><IMG SRC=\"C:\\secret.gif\">"
                                  "<IMG SRC=\"file:///" +
                                  secret.mid(1).toUtf8() +
                                  "\">"
                                  "<IMG SRC=\"graphics/../graphics/dog.gif\"><IMG SRC=\"graphics/dog.gif\">");
    ASSERT_EQ(list.size(), 7);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(list[i].Skipped()) << list[i].Reference.toStdString();
    EXPECT_TRUE(list[0].SkipReason.contains(QLatin1String("outside")));
    EXPECT_TRUE(list[5].SkipReason.contains(QLatin1String("..")));
    EXPECT_FALSE(list[6].Skipped());
}

TEST_F(UploadListTest, LinkOutOfTheFolderIsSkipped)
{
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral(".ssh/id_rsa")), html() + "graphics/key.gif"));
    const TUploadList list = scan("<IMG SRC=\"graphics/key.gif\">");
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(list[0].Skipped());
}

TEST_F(UploadListTest, FileUrlInsideTheFolderIsSentUnderItsPlaceThere)
{
    const QByteArray url = "file:///" + (html() + QStringLiteral("graphics/dog.gif")).mid(1).toUtf8();
    const TUploadList list = scan("<IMG SRC=\"" + url + "\"><IMG SRC=\"graphics/dog.gif\">");
    ASSERT_EQ(list.size(), 1);
    EXPECT_FALSE(list[0].Skipped());
    EXPECT_EQ(list[0].Reference, QStringLiteral("graphics/dog.gif"));
    EXPECT_EQ(NativePath(list[0].LocalPath), html() + QStringLiteral("graphics/dog.gif"));
}

TEST_F(UploadListTest, DocumentPageIsReadFromTheHtmlFolder)
{
    EXPECT_TRUE(BuildUploadListForDocument(QString(), html()).isEmpty());
    EXPECT_TRUE(BuildUploadListForDocument(QStringLiteral("/x/save/missing.zve"), html()).isEmpty());
    QFile f(html() + QStringLiteral("my page.html"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<IMG SRC=\"graphics/dog.gif\">");
    f.close();
    const TUploadList list = BuildUploadListForDocument(QStringLiteral("/x/save/my page.zve"), html());
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].Reference, QStringLiteral("graphics/dog.gif"));
}

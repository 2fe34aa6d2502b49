#include "helpfixture.h"
#include "helpservice.h"
#include "tpageviewer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString pageSource(const QString &file)
{
    QFile page(file);
    return page.open(QIODevice::ReadOnly) ? QString::fromLatin1(page.readAll()) : QString();
}

QStringList linkTargets(const QString &file)
{
    const QString text = pageSource(file);
    QStringList targets;
    static const QRegularExpression href(QStringLiteral("HREF=\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto match = href.globalMatch(text); match.hasNext();)
        targets << match.next().captured(1);
    return targets;
}

} // namespace

// Every topic the program asks for has a page, and the folder holds no page nobody asks for
// except the contents.
TEST(TopicPages, OnePagePerTopicAndNoStrays)
{
    const QDir folder(ShippedHelpFolder());
    QStringList expected{QStringLiteral("index.html")};
    for (int topic : ProgramHelpTopics())
        expected << QFileInfo(HelpTopicFile(ShippedHelpFolder(), topic)).fileName();
    QStringList present = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);
}

// Each page loads in the program's own viewer without a reader error, lays out to something the
// reader can see, shows its title as text rather than markup, and links only to pages that exist.
TEST(TopicPages, EveryPageRendersAndEveryLinkArrives)
{
    TPageViewer viewer;
    viewer.SetDefaultFontName(QStringLiteral("Arial"));
    viewer.resize(520, 400);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));

    QList<int> pages = ProgramHelpTopics();
    pages.prepend(0);
    for (int topic : pages) {
        const QString file = HelpTopicFile(ShippedHelpFolder(), topic);
        SCOPED_TRACE(file.toStdString());
        const TViewerError error = viewer.LoadFromFile(file);
        ASSERT_TRUE(error.ok()) << error.Message.toStdString();
        EXPECT_GT(viewer.DocumentHeight(), 80);
        EXPECT_LE(viewer.MaxHorzExtent(), viewer.ViewSize().width()) << "the page is wider than the window";
        ASSERT_FALSE(viewer.DocumentTitle().isEmpty());

        viewer.SelectAll();
        const QString shown = viewer.SelectedText();
        const QString heading = viewer.DocumentTitle().section(QStringLiteral(" - "), 0, 0);
        EXPECT_TRUE(shown.contains(heading)) << "the heading is not shown";
        // Only markup the page spells out on purpose, as an example, may show as text.
        EXPECT_EQ(shown.count(QLatin1Char('<')), pageSource(file).count(QStringLiteral("&lt;")))
            << "markup shown as text";
        if (topic != 0) {
            EXPECT_TRUE(shown.contains(QStringLiteral("Contents"))) << "no way back to the contents";
        }

        const QStringList targets = linkTargets(file);
        EXPECT_FALSE(targets.isEmpty()) << "a page that leads nowhere";
        for (const QString &target : targets)
            EXPECT_TRUE(QFileInfo::exists(ShippedHelpFolder() + target)) << target.toStdString();
    }
}

// Every topic can be reached from the contents, directly or through other pages.
TEST(TopicPages, EveryTopicIsReachableFromTheContents)
{
    QSet<QString> seen{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString &target : linkTargets(ShippedHelpFolder() + page)) {
            if (!seen.contains(target)) {
                seen.insert(target);
                queue << target;
            }
        }
    }
    for (int topic : ProgramHelpTopics())
        EXPECT_TRUE(seen.contains(QString::number(topic) + QStringLiteral(".html"))) << topic;
}

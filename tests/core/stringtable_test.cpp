#include "stringtable.h"

#include <QFile>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Ids whose text the program writes itself; the reference table leaves them open.
const QSet<int> OpenIds = {519, 606, 614, 615, 5031, 5059, 5060, 5061, 5070, 5083, 5085};

// The reference table: "id<TAB>text" lines, a CR LF inside a text written as "\n".
QMap<int, QString> referenceTable()
{
    QMap<int, QString> map;
    QFile file(QStringLiteral(ZV_TEST_SOURCE_DIR "/fixtures/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return map;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0)
            map.insert(line.left(tab).toInt(), line.mid(tab + 1));
    }
    return map;
}

QString stored(QString text)
{
    return text.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
}

} // namespace

TEST(StringTable, EveryEntryMatchesTheReference)
{
    const QMap<int, QString> reference = referenceTable();
    ASSERT_GT(reference.size(), 200);
    for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
        if (OpenIds.contains(it.key()))
            continue;
        EXPECT_EQ(LoadStr(it.key()), stored(it.value())) << "id " << it.key();
    }
    // The program has exactly the reference's ids, no more.
    const QList<int> ids = StringIds();
    EXPECT_EQ(QSet<int>(ids.cbegin(), ids.cend()), QSet<int>(reference.keyBegin(), reference.keyEnd()));
}

TEST(StringTable, OpenEntriesAreWrittenInTheGivenShape)
{
    const QMap<int, QString> reference = referenceTable();
    for (int id : OpenIds)
        EXPECT_FALSE(LoadStr(id).isEmpty()) << "id " << id;
    // The given beginnings stay; the program only completes them.
    for (int id : {606, 614, 615})
        EXPECT_TRUE(LoadStr(id).startsWith(reference.value(id))) << "id " << id;
    EXPECT_TRUE(LoadStr(614).endsWith(QStringLiteral("\"Upload to Host\"")));
    EXPECT_TRUE(LoadStr(615).endsWith(QStringLiteral("\"Upload to Host\"")));
}

TEST(StringTable, KeepsTheStoredQuirksAndLineBreaks)
{
    // Doubled apostrophes are part of the texts; a line break can only be a whole CR LF.
    EXPECT_TRUE(LoadStr(30).contains(QStringLiteral("''")));
    for (int id : StringIds()) {
        const QString text = LoadStr(id);
        EXPECT_FALSE(text.contains(QStringLiteral("\\n"))) << "id " << id;
        EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))) << "id " << id;
    }
    EXPECT_TRUE(LoadStr(424242).isEmpty());
}

TEST(StringTable, ListingHasTheReferenceForm)
{
    const QMap<int, QString> reference = referenceTable();
    const QStringList lines = QString::fromUtf8(StringTableListing()).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), reference.size() + 1); // every line ends with a line feed
    EXPECT_TRUE(lines.last().isEmpty());
    int previous = -1;
    auto ref = reference.cbegin();
    for (qsizetype i = 0; i + 1 < lines.size(); ++i, ++ref) {
        const int id = lines[i].left(lines[i].indexOf(QLatin1Char('\t'))).toInt();
        EXPECT_GT(id, previous);
        previous = id;
        EXPECT_EQ(id, ref.key());
        if (!OpenIds.contains(id)) {
            EXPECT_EQ(lines[i], QString::number(id) + QLatin1Char('\t') + ref.value());
        }
    }
}

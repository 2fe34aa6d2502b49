#include "pagedocument.h"
#include "recoverykeeper.h"
#include "samplepage.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void edit(TPageDocument &document, const QByteArray &title)
{
    document.page().setChunks(SamplePage());
    document.page().setPageTitle(title);
    document.page().setPageModified(true);
}

} // namespace

TEST(RecoveryKeeper, KeepsACopyOnlyWhileThePageHasUnsavedChanges)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("recovery"));
    TPageDocument document;
    document.newPage();
    TRecoveryKeeper keeper(document, folder);
    ASSERT_TRUE(keeper.active());
    const QString copy = TRecoveryKeeper::copyPath(folder);

    EXPECT_TRUE(keeper.update());
    EXPECT_FALSE(QFile::exists(copy)) << "a page without changes needs no copy";

    edit(document, "My page");
    document.setDocFileName(temp.filePath(QStringLiteral("Anna.zve")));
    EXPECT_TRUE(keeper.update());
    const TDocumentRead read = ReadDocument(copy);
    ASSERT_EQ(read.Status, TDocumentStatus::Complete);
    EXPECT_EQ(read.Title, QByteArray("My page"));
    EXPECT_EQ(read.Chunks.size(), SamplePage().size());

    // Later edits reach the copy on the next look.
    document.page().setPageTitle("My better page");
    EXPECT_TRUE(keeper.update());
    EXPECT_EQ(ReadDocument(copy).Title, QByteArray("My better page"));

    // Saved: the copy goes.
    document.page().setPageModified(false);
    EXPECT_TRUE(keeper.update());
    EXPECT_FALSE(QFile::exists(copy));
}

TEST(RecoveryKeeper, OffersWhatAProgramThatEndedWithoutSavingLeftBehind)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("recovery"));
    const QString original = temp.filePath(QStringLiteral("Anna.zve"));
    {
        TPageDocument document;
        edit(document, "Unsaved");
        document.setDocFileName(original);
        TRecoveryKeeper keeper(document, folder);
        ASSERT_TRUE(keeper.update());
        // A second program beside the first leaves the folder alone.
        TPageDocument other;
        TRecoveryKeeper second(other, folder);
        EXPECT_FALSE(second.active());
        EXPECT_FALSE(second.leftBehind().has_value());
        // The first one ends without a word, as a killed program would.
    }
    TPageDocument next;
    TRecoveryKeeper keeper(next, folder);
    ASSERT_TRUE(keeper.active());
    const std::optional<TRecoveryCopy> copy = keeper.leftBehind();
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->OriginalPath, original);
    EXPECT_EQ(ReadDocument(copy->CopyPath).Title, QByteArray("Unsaved"));

    keeper.discard();
    EXPECT_FALSE(keeper.leftBehind().has_value());
}

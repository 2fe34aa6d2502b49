#include "builderdocument.h"
#include "stylesfile.h"
#include "thumbnail.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(ZV_SOURCE_ROOT "/data/");

// Every template the program ships reads whole, names a style of the shipped styles file, uses
// only pictures that ship with it, and has its thumbnail.
TEST(ShippedTemplates, LoadWholeAndNameShippedStylesAndPictures)
{
    const TStylesRead styles = LoadStyles(kData + QStringLiteral("Styles.data"));
    const QStringList names = QDir(kData + QStringLiteral("template")).entryList({"*.zvt"}, QDir::Files);
    EXPECT_GE(names.size(), 6);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = kData + QStringLiteral("template/") + name;
        const TDocumentRead read = ReadDocument(path);
        EXPECT_EQ(read.Status, TDocumentStatus::Complete);
        ASSERT_TRUE(read.StyleName.has_value());
        EXPECT_GT(StyleItemIndex(styles.Styles, *read.StyleName), 0);
        EXPECT_FALSE(read.Title.value_or(QByteArray()).isEmpty());
        EXPECT_GE(read.Chunks.size(), 5u);
        for (const TWebChunk &chunk : read.Chunks) {
            if (chunk.Kind() != bkImage)
                continue;
            const QString picture = QString::fromLatin1(chunk.Image()->FileName).replace('\\', '/');
            EXPECT_TRUE(QFileInfo(kData + QStringLiteral("HTMLFiles/") + picture).isFile())
                << picture.toStdString();
        }
        const std::optional<QImage> thumbnail = LoadThumbnail(path);
        ASSERT_TRUE(thumbnail.has_value());
        EXPECT_EQ(thumbnail->size(), ThumbnailSize);
    }
}

} // namespace

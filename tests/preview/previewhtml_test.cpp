#include "previewhtml.h"
#include "thumbnail.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ViewerHTML, DivsBecomeParagraphsAndABreakAfterADivMergesIntoTheEnd)
{
    const QByteArray page = "<div ALIGN=Center>\r\n<A HREF=\"x\">x</A>\r\n</DIV>\r\n"
                            "<DIV ALIGN=Right>\r\n<A HREF=\"mailto:a@b\">a</A></DIV><BR>\r\n"
                            "<P>divider</P></div>";
    EXPECT_EQ(ViewerHTML(page), QByteArray("<P ALIGN=Center>\r\n<A HREF=\"x\">x</A>\r\n</P>\r\n"
                                           "<P ALIGN=Right>\r\n<A HREF=\"mailto:a@b\">a</A></P>\r\n"
                                           "<P>divider</P></P>"));
}

TEST(PageLines, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(PageLines("a\r\nb\nc\rd"), (QList<QByteArray>{"a", "b", "c", "d"}));
    EXPECT_EQ(PageLines("a\r\n\r\n"), (QList<QByteArray>{"a", ""}));
    EXPECT_TRUE(PageLines("").isEmpty());
}

TEST(Thumbnail, SavedAsAStandardBitmapBesideTheDocumentAndLoadedOnlyForDocuments)
{
    QTemporaryDir temp;
    const QString document = temp.filePath(QStringLiteral("Index.zve"));
    QImage picture(ThumbnailSize, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(SaveThumbnail(document, picture));
    EXPECT_EQ(ThumbnailFileName(document), temp.filePath(QStringLiteral("Index.zve.bmp")));

    QFile file(ThumbnailFileName(document));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    // "BM", a 54-byte header and 229 rows of 196 three-byte pixels (588 bytes, no padding).
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(bmp.size(), 54 + 229 * 588);

    // No document beside the picture, or not a document of version 1: nothing to show.
    EXPECT_FALSE(LoadThumbnail(document).has_value());
    QFile doc(document);
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.write("Zorvin Express File2.00");
    doc.close();
    EXPECT_FALSE(LoadThumbnail(document).has_value());
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.write("Zorvin Express File1.11");
    doc.close();
    const std::optional<QImage> loaded = LoadThumbnail(document);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->size(), ThumbnailSize);
    EXPECT_EQ(loaded->pixelColor(100, 100), QColor(10, 200, 30));

    // A damaged picture is no picture.
    QFile broken(ThumbnailFileName(document));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM garbage");
    broken.close();
    EXPECT_FALSE(LoadThumbnail(document).has_value());
}

} // namespace

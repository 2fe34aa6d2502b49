#include "stylesfile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

// The program is delivered with a style list; every style in it must load and find its picture
// under the lower-case name that pages refer to it by.
TEST(ShippedStyles, LoadWithTheirBackgroundPictures)
{
    const QString data = QStringLiteral(ZV_SOURCE_ROOT "/data/");
    const TStylesRead read = LoadStyles(StylesFilePath(data));
    ASSERT_EQ(read.Status, TStylesReadStatus::Complete) << read.Error.toStdString();
    EXPECT_GE(read.Styles.size(), 6u);
    QSet<QByteArray> names;
    int withPictures = 0;
    for (const TStyleChunk &style : read.Styles) {
        EXPECT_FALSE(style.StyleName.isEmpty());
        EXPECT_FALSE(names.contains(style.StyleName.toLower())) << style.StyleName.constData();
        names.insert(style.StyleName.toLower());
        if (style.BackImage.isEmpty())
            continue;
        ++withPictures;
        QByteArray relative = style.BackImage.toLower();
        relative.replace('\\', '/');
        EXPECT_TRUE(relative.startsWith("backgrnd/"));
        QImageReader picture(data + "HTMLFiles/" + QString::fromLatin1(relative));
        EXPECT_TRUE(picture.canRead()) << relative.constData();
        EXPECT_LE(QFileInfo(picture.fileName()).size(), 16 * 1024) << "backgrounds stay small for slow lines";
    }
    EXPECT_GE(withPictures, 6);
    EXPECT_TRUE(QImageReader(data + "HTMLFiles/graphics/button.gif").canRead());
}

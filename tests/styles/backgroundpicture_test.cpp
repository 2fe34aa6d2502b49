#include "backgroundpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TStyleChunk styleWithPicture(const QByteArray &backImage)
{
    TStyleChunk style;
    style.StyleName = "Sky";
    style.BackImage = backImage;
    return style;
}

TEST(BackgroundPicture, TheCopyGetsTheLowerCaseNameThePageRefersTo)
{
    QTemporaryDir outside;
    QTemporaryDir html;
    const QString chosen = outside.filePath(QStringLiteral("Sky.JPG"));
    writeFile(chosen, "picture");
    const TBackgroundPicture picture = CopyBackgroundPicture(chosen, html.path());
    ASSERT_TRUE(picture.ok()) << picture.Error.toStdString();
    EXPECT_EQ(picture.BackImage, QStringLiteral("backgrnd\\sky.jpg"));
    EXPECT_EQ(QDir(html.filePath(QStringLiteral("backgrnd"))).entryList(QDir::Files),
              QStringList{QStringLiteral("sky.jpg")});
}

TEST(BackgroundPicture, OlderStylesGetALowerCaseCopyOfTheirPicture)
{
    QTemporaryDir html;
    ASSERT_TRUE(QDir().mkpath(html.filePath(QStringLiteral("backgrnd"))));
    writeFile(html.filePath(QStringLiteral("backgrnd/Sky.JPG")), "sky");
    writeFile(html.filePath(QStringLiteral("backgrnd/Sea.gif")), "old sea");
    writeFile(html.filePath(QStringLiteral("backgrnd/sea.gif")), "sea");
    writeFile(html.filePath(QStringLiteral("Secret.txt")), "secret");
    const TStyleList styles{styleWithPicture("backgrnd\\Sky.JPG"),   styleWithPicture("backgrnd\\Sea.gif"),
                            styleWithPicture("backgrnd\\stars.gif"), styleWithPicture("backgrnd\\Gone.JPG"),
                            styleWithPicture("..\\Secret.txt"),      styleWithPicture("")};

    EXPECT_EQ(ProvideLowerCaseBackgrounds(styles, html.path()), 1);
    // The picture under the stored name stays; the page's lower-case reference now finds a copy.
    EXPECT_EQ(readFile(html.filePath(QStringLiteral("backgrnd/Sky.JPG"))), QByteArray("sky"));
    EXPECT_EQ(readFile(html.filePath(QStringLiteral("backgrnd/sky.jpg"))), QByteArray("sky"));
    // An existing lower-case picture is never replaced, missing ones are no error, and a name
    // that reaches outside the HTML folder is not followed.
    EXPECT_EQ(readFile(html.filePath(QStringLiteral("backgrnd/sea.gif"))), QByteArray("sea"));
    EXPECT_FALSE(QFile::exists(html.filePath(QStringLiteral("backgrnd/gone.jpg"))));
    QDir parent(html.path());
    parent.cdUp();
    EXPECT_FALSE(QFile::exists(parent.filePath(QStringLiteral("secret.txt"))));
    // A second run has nothing left to do.
    EXPECT_EQ(ProvideLowerCaseBackgrounds(styles, html.path()), 0);
}

} // namespace

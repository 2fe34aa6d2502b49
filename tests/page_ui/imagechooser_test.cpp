#include "stagefixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QToolButton>

namespace {

class ImageChooserTest : public StageTest {
protected:
    void SetUp() override
    {
        StageTest::SetUp();
        ASSERT_TRUE(elsewhere.isValid());
        dropNew(bkImage, 0);
        page.setPageModified(false);
    }
    QString graphics(const QString &name = QString()) const
    {
        return QDir(folder.filePath(QStringLiteral("graphics"))).filePath(name);
    }
    void clickChooser() { QTest::mouseClick(find<QToolButton>("spdImgFile"), Qt::LeftButton); }
    const TBlockImage &record() const { return *page.WebChunks()[0].Image(); }

    QTemporaryDir elsewhere;
};

TEST_F(ImageChooserTest, ABitmapIsCopiedUnderALowerCaseNameAndConvertedToJpeg)
{
    QImage picture(40, 25, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString source = elsewhere.filePath(QStringLiteral("My Photo.BMP"));
    ASSERT_TRUE(picture.save(source, "BMP"));
    prompts.chooseFile(source);
    clickChooser();

    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].request.folder, graphics());
    EXPECT_TRUE(prompts.asked()[0].request.filter.startsWith(QLatin1String("All Graphic Files (")));
    EXPECT_TRUE(QFile::exists(graphics(QStringLiteral("myphoto.bmp"))));
    QImageReader converted(graphics(QStringLiteral("myphoto.jpg")));
    EXPECT_EQ(converted.format(), "jpeg");
    EXPECT_EQ(converted.size(), QSize(40, 25));
    EXPECT_EQ(record().FileName, "graphics\\myphoto.jpg");
    EXPECT_EQ(record().Width, "40");
    EXPECT_EQ(record().Height, "25");
    EXPECT_EQ(find<QLineEdit>("txtImgFileName")->text(), QStringLiteral("graphics\\myphoto.jpg"));
    EXPECT_TRUE(page.PageModified());
}

TEST_F(ImageChooserTest, AGifAlreadyInGraphicsIsTakenAsItIs)
{
    // The smallest GIF there is: one pixel.
    static const unsigned char gif[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,   0, '!', 0xF9, 4,
        1,   0,   0,   0,   0,   ',', 0, 0, 0, 0, 1,    0, 1, 0,    0,    2,    2, 'D', 1, 0,   ';'};
    QDir().mkpath(graphics());
    QFile file(graphics(QStringLiteral("dog.gif")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(gif), sizeof gif);
    file.close();
    const QDateTime written = QFileInfo(file).lastModified();

    prompts.chooseFile(graphics(QStringLiteral("dog.gif")));
    clickChooser();
    EXPECT_EQ(QDir(graphics()).entryList(QDir::Files), QStringList{QStringLiteral("dog.gif")});
    EXPECT_EQ(QFileInfo(file).lastModified(), written);
    EXPECT_EQ(record().FileName, "graphics\\dog.gif");
    EXPECT_EQ(record().Width, "1");
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(ImageChooserTest, AnUnreadablePictureIsReportedAndChangesNothing)
{
    const QString source = elsewhere.filePath(QStringLiteral("broken.png"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n but nothing more");
    file.close();
    page.editableChunks()[0].Image()->Height = "12";

    prompts.chooseFile(source);
    prompts.answer(TMsgResult::Ok);
    clickChooser();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_FALSE(prompts.messages()[0].isEmpty());
    EXPECT_EQ(prompts.asked()[1].msgKind, TMsgKind::Error);
    EXPECT_EQ(record().FileName, "");
    EXPECT_EQ(record().Height, "12");
    EXPECT_FALSE(page.PageModified());
    EXPECT_FALSE(QFile::exists(graphics(QStringLiteral("broken.png"))));
}

TEST_F(ImageChooserTest, APictureThatCannotBeCopiedIsReportedWithItsOwnError)
{
    // Regression: the message used to be whatever picture error the program met last, often none.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString source = elsewhere.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(picture.save(source, "JPG"));
    // A folder where the copy should go makes the copy fail.
    ASSERT_TRUE(QDir().mkpath(graphics(QStringLiteral("photo.jpg"))));

    prompts.chooseFile(source);
    prompts.answer(TMsgResult::Ok);
    clickChooser();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0], QStringLiteral("The picture file was not found"));
    EXPECT_EQ(record().FileName, "");
    EXPECT_FALSE(page.PageModified());
}

TEST_F(ImageChooserTest, CancellingTheDialogDoesNothing)
{
    prompts.cancelFile();
    clickChooser();
    EXPECT_EQ(record(), TBlockImage());
    EXPECT_FALSE(page.PageModified());
    EXPECT_TRUE(prompts.allAnswersUsed());
}

} // namespace

#include "imagefiles.h"
#include "imagelib.h"
#include "picturebox.h"
#include "scriptedprompts.h"

#include <QImageReader>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class PictureBoxTest : public ImageFiles {
protected:
    TPictureBox box;
};

} // namespace

TEST_F(PictureBoxTest, MissingFileClearsThePictureAndReportsFileNotFound)
{
    box.setImageName(writeQt("first.png", "png"));
    ASSERT_FALSE(box.picture().isNull());
    box.setImageName(path("gone.png"));
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_EQ(box.pictureName(), "file not found");
    EXPECT_EQ(box.imageName(), path("gone.png"));
    // The main window starts its hidden control with this very name.
    box.setImageName("file not found");
    EXPECT_EQ(box.pictureName(), "file not found");
}

TEST_F(PictureBoxTest, ExtensionsAreComparedUpperCasedAndTheNameReportedUpperCased)
{
    for (const QString &name : {QString("lower.bmp"), QString("Mixed.Png"), QString("UPPER.PCX")}) {
        const QString file = name.endsWith("PCX")
                                 ? writeMagick(name, "PCX")
                                 : writeQt(name, QFileInfo(name).suffix().toLower().toLatin1());
        box.setImageName(file);
        EXPECT_EQ(box.picture().size(), QSize(40, 30)) << name.toStdString();
        EXPECT_EQ(box.pictureName(), file.toUpper());
    }
}

TEST_F(PictureBoxTest, PlatformPicturesAndUnknownExtensions)
{
    box.setImageName(writeQt("icon.ico", "ico", samplePicture(32, 32)));
    EXPECT_EQ(box.picture().size(), QSize(32, 32));
    EXPECT_EQ(box.pictureName(), "Non TIF, JPG, DXF, BMP, GIF, PNG, PCD, TGA, EPS or PCX Image");

    // Nothing is read for an extension without a reader, and the previous picture does not stay
    // behind to be saved under the new name.
    box.setImageName(writeBytes("notes.txt", "words"));
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_EQ(box.pictureName(), path("notes.txt").toUpper());
}

TEST_F(PictureBoxTest, JpegQualityOutsideOneToHundredBecomes25)
{
    for (const auto &[given, kept] :
         QList<QPair<int, int>>{{0, 25}, {101, 25}, {-5, 25}, {1, 1}, {100, 100}, {60, 60}}) {
        box.setJpegQuality(given);
        EXPECT_EQ(box.jpegQuality(), kept) << given;
    }
}

TEST_F(PictureBoxTest, ReadErrorsGoToOnDecodeErrorWhenConnectedElseToAMessageBox)
{
    const QString broken = writeBytes("broken.png", "not a png");
    QSignalSpy spy(&box, &TPictureBox::OnDecodeError);
    box.setImageName(writeQt("before.png", "png"));
    box.setImageName(broken);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<QObject *>(), &box);
    EXPECT_LT(spy[0][1].toInt(), 1);
    EXPECT_EQ(spy[0][1].toInt(), box.lastErrorCode());
    EXPECT_EQ(spy[0][2].toString(), box.lastErrorText());
    EXPECT_FALSE(box.lastErrorText().isEmpty());
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_EQ(box.pictureName(), broken.toUpper());

    TPictureBox unconnected;
    ScriptedPrompts prompts;
    prompts.answer(TMsgResult::Ok);
    unconnected.setImageName(broken);
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].msgKind, TMsgKind::Error);
    EXPECT_EQ(prompts.asked()[0].text, unconnected.lastErrorText());
}

TEST_F(PictureBoxTest, SaveAsJpegUsesQualityAndRemembersTheName)
{
    box.setImageName(writeQt("photo.bmp", "bmp"));
    box.setJpegQuality(100);
    ASSERT_TRUE(box.saveAsJpeg(path("photo.jpg")));
    EXPECT_EQ(box.defSaveFilename(), path("photo.jpg"));
    EXPECT_EQ(QImageReader(path("photo.jpg")).format(), "jpeg");
    EXPECT_EQ(QImage(path("photo.jpg")).size(), QSize(40, 30));

    // Saving again without a name writes to the remembered one.
    box.setImageName(writeQt("other.png", "png", samplePicture(12, 8)));
    ASSERT_TRUE(box.saveAsJpeg());
    EXPECT_EQ(QImage(path("photo.jpg")).size(), QSize(12, 8));

    QSignalSpy spy(&box, &TPictureBox::OnDecodeError);
    EXPECT_FALSE(box.saveAsJpeg(path("missing/folder/x.jpg")));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][1].toInt(), ImageError::CannotWrite);
}

TEST_F(PictureBoxTest, ConvertToJpegWritesAtTheGivenQualityAndTellsTheError)
{
    box.setJpegQuality(25);
    const QString source = writeQt("My Photo.BMP", "bmp");
    const TImageStatus converted = box.convertToJpeg(source, path("myphoto.jpg"), 100, TErrorReport::Quiet);
    ASSERT_TRUE(converted);
    EXPECT_TRUE(converted.errorText().isEmpty());
    EXPECT_EQ(box.jpegQuality(), 25);
    EXPECT_EQ(QImage(path("myphoto.jpg")).size(), QSize(40, 30));
    // At quality 100 the colours come through almost untouched.
    expectCornerColours(QImage(path("myphoto.jpg")), 6);

    QSignalSpy spy(&box, &TPictureBox::OnDecodeError);
    TImageStatus failed = box.convertToJpeg(path("absent.bmp"), path("a.jpg"), 100, TErrorReport::Quiet);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.errorText(), TImageLib::errorText(ImageError::FileNotFound));
    failed = box.convertToJpeg(writeBytes("bad.tga", "xx"), path("b.jpg"), 100, TErrorReport::Quiet);
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.errorText().isEmpty());
    failed = box.convertToJpeg(writeBytes("c.doc", "xx"), path("c.jpg"), 100, TErrorReport::Quiet);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.errorText(), TImageLib::errorText(ImageError::Unsupported));
    EXPECT_EQ(box.lastErrorCode(), ImageError::Unsupported);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_FALSE(QFile::exists(path("a.jpg")) || QFile::exists(path("b.jpg")) ||
                 QFile::exists(path("c.jpg")));

    EXPECT_FALSE(box.convertToJpeg(path("absent.bmp"), path("a.jpg"), 100, TErrorReport::Report));
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(PictureBoxTest, ShowsThePictureScaledToFit)
{
    box.resize(100, 100);
    box.setTransition(fxRectangles);
    box.setImageName(writeQt("wide.png", "png", samplePicture(200, 50)));
    const QImage shot = box.grab().toImage();
    // 200 x 50 shrinks to 100 x 25, centred: red at the top-left of the picture, empty above it.
    EXPECT_EQ(QColor(shot.pixel(5, 40)).red() > 200, true);
    EXPECT_NE(shot.pixel(5, 10), shot.pixel(5, 40));
}

#include "imagefiles.h"
#include "imagelib.h"
#include "picturebox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

// Every call hands back its own error, and the last error belongs to the object that met it:
// neither a later call nor another object (on another thread) may change what a caller was told.

TEST_F(ImageFiles, EachFailingCallKeepsItsOwnErrorAfterLaterCalls)
{
    const TImageLib::TRead missing = lib.readPng(path("missing.png"), TReadOptions());
    const TImageLib::TRead unknown = lib.readByExtension(path("notes.xyz"), TReadOptions());
    const TImageLib::TRead damaged =
        lib.readGif(writeBytes("damaged.gif", QByteArray(300, 'x')), TReadOptions());
    const TImageStatus nothing = lib.writeJpeg(path("nothing.jpg"), QImage(), 90, 0, 24);
    const TImageStatus unwritable = lib.convertToJpeg(writeQt("fine.png", "png"), path("no/folder/x.jpg"));
    const TImageResult<TTiffInfo> notTiff = lib.tiffInfo(writeBytes("words.tif", "words"));

    EXPECT_EQ(missing.errorCode(), ImageError::FileNotFound);
    EXPECT_EQ(missing.errorText(), TImageLib::errorText(ImageError::FileNotFound));
    EXPECT_EQ(unknown.errorCode(), ImageError::Unsupported);
    EXPECT_TRUE(unknown.errorText().startsWith(TImageLib::errorText(ImageError::Unsupported)));
    EXPECT_EQ(damaged.errorCode(), ImageError::BadFile);
    EXPECT_EQ(nothing.errorCode(), ImageError::NoPicture);
    // The source was read; the error is the writer's.
    EXPECT_EQ(unwritable.errorCode(), ImageError::CannotWrite);
    EXPECT_LT(notTiff.errorCode(), 1);
    EXPECT_EQ(lib.lastErrorCode(), notTiff.errorCode());
    EXPECT_EQ(lib.lastErrorText(), notTiff.errorText());

    // A success carries no error and leaves the last failure to be asked for.
    const TImageLib::TRead read = lib.readPng(path("fine.png"), TReadOptions());
    ASSERT_TRUE(read);
    EXPECT_EQ(read.errorCode(), ImageError::Ok);
    EXPECT_TRUE(read.errorText().isEmpty());
    EXPECT_EQ(lib.lastErrorCode(), notTiff.errorCode());
    EXPECT_EQ(TImageLib().lastErrorCode(), ImageError::Ok);
}

TEST_F(ImageFiles, TwoBindingsKeepTheirOwnLastErrors)
{
    TImageLib other;
    EXPECT_FALSE(lib.readBmp(path("missing.bmp"), TReadOptions()));
    EXPECT_FALSE(other.readByExtension(path("sheet.doc"), TReadOptions()));
    EXPECT_EQ(lib.lastErrorCode(), ImageError::FileNotFound);
    EXPECT_EQ(other.lastErrorCode(), ImageError::Unsupported);
    EXPECT_EQ(lib.lastErrorText(), TImageLib::errorText(ImageError::FileNotFound));
}

TEST_F(ImageFiles, BindingsOnTwoThreadsAtOnceNeverSeeEachOthersErrors)
{
    const QString good = writeQt("good.png", "png");
    const QString missing = path("missing.png");
    const QString damaged = writeBytes("damaged.png", QByteArray(64, 'x'));
    // Each thread fails in its own way, then reads a good picture (which leaves the last error
    // alone and gives the other thread time to fail in between), then checks that its object
    // still holds its own error. Both run for the same stretch of time, so that they overlap
    // however the system schedules them.
    std::atomic<int> ready{0};
    auto run = [&](const QString &file, int16_t expected, int &rounds, int &wrong) {
        TImageLib own;
        ++ready;
        while (ready.load() < 2)
            std::this_thread::yield();
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        while (std::chrono::steady_clock::now() < end) {
            const TImageLib::TRead failed = own.readPng(file, TReadOptions());
            const bool goodRead = bool(own.readPng(good, TReadOptions()));
            if (failed.errorCode() != expected || !goodRead || own.lastErrorCode() != expected ||
                own.lastErrorText() != failed.errorText())
                ++wrong;
            ++rounds;
        }
    };
    int roundsMissing = 0, wrongMissing = 0, roundsDamaged = 0, wrongDamaged = 0;
    std::thread first(run, missing, ImageError::FileNotFound, std::ref(roundsMissing),
                      std::ref(wrongMissing));
    std::thread second(run, damaged, ImageError::BadFile, std::ref(roundsDamaged), std::ref(wrongDamaged));
    first.join();
    second.join();
    EXPECT_GT(roundsMissing, 0);
    EXPECT_GT(roundsDamaged, 0);
    EXPECT_EQ(wrongMissing, 0);
    EXPECT_EQ(wrongDamaged, 0);
}

TEST_F(ImageFiles, TwoPictureBoxesKeepTheirOwnLastErrors)
{
    TPictureBox reading, saving;
    EXPECT_EQ(reading.lastErrorCode(), ImageError::Ok);
    QObject::connect(&reading, &TPictureBox::OnDecodeError, [](QObject *, int, const QString &) {});
    QObject::connect(&saving, &TPictureBox::OnDecodeError, [](QObject *, int, const QString &) {});
    reading.setImageName(writeBytes("broken.bmp", "BM broken"));
    EXPECT_FALSE(saving.saveAsJpeg(path("empty.jpg")));
    EXPECT_EQ(reading.lastErrorCode(), ImageError::BadFile);
    EXPECT_EQ(saving.lastErrorCode(), ImageError::NoPicture);
    EXPECT_EQ(saving.lastErrorText(), TImageLib::errorText(ImageError::NoPicture));

    // A missing file is no error to report, but it is the control's last failure.
    reading.setImageName(path("gone.png"));
    EXPECT_EQ(reading.lastErrorCode(), ImageError::FileNotFound);
    EXPECT_EQ(saving.lastErrorCode(), ImageError::NoPicture);
}

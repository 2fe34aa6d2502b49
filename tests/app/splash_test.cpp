#include "frmsplash.h"
#include "tempsettings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A program folder of the test's own, with the settings store beside it.
class SplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousHome = qgetenv("ZORVIN_HOME");
        qputenv("ZORVIN_HOME", m_home.path().toUtf8());
    }
    void TearDown() override
    {
        if (m_previousHome.isNull())
            qunsetenv("ZORVIN_HOME");
        else
            qputenv("ZORVIN_HOME", m_previousHome);
    }

    std::unique_ptr<TfrmSplash> makeSplash()
    {
        return std::make_unique<TfrmSplash>([this] {
            ++m_mainWindowsMade;
            auto *window = new QWidget;
            window->setObjectName(QStringLiteral("frmMain"));
            return window;
        });
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_home.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TempSettings m_settings;
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    int m_mainWindowsMade = 0;
};

} // namespace

TEST_F(SplashTest, ShowsThePictureThenTheMainWindow)
{
    auto splash = makeSplash();
    QSignalSpy shown(splash.get(), &TfrmSplash::mainWindowShown);
    splash->start();

    // The splash is up, borderless, centred, with its picture and texts, and waits.
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(464, 283));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((splash->geometry().center() - screen.center()).manhattanLength(), 2);
    auto *picture = splash->findChild<QLabel *>(QStringLiteral("imgSplash"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->geometry(), QRect(31, 31, 200, 200));
    EXPECT_FALSE(splash->findChild<QLabel *>(QStringLiteral("imgPartner"))->isVisible());
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblName"))->text(),
              QStringLiteral("Zorvin Express"));
    EXPECT_TRUE(splash->findChild<QLabel *>(QStringLiteral("lblName"))->font().bold());
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 1.11"));
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblAware"))->text(),
              QStringLiteral("Zorvin Professional 4 Aware"));
    EXPECT_TRUE(splash->splashWaiting());
    EXPECT_EQ(splash->mainWindow(), nullptr); // only after the wait

    // The wait is one timer tick; then the main window shows and the splash hides for good.
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_FALSE(splash->splashWaiting());
    ASSERT_NE(splash->mainWindow(), nullptr);
    EXPECT_TRUE(splash->mainWindow()->isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(m_mainWindowsMade, 1);
    QTest::qWait(20);
    EXPECT_EQ(m_mainWindowsMade, 1);
}

TEST_F(SplashTest, OpensTheSettingsStore)
{
    EXPECT_FALSE(TZorvinReg::productKeyExists());
    auto splash = makeSplash();
    splash->start();
    EXPECT_TRUE(TZorvinReg::productKeyExists());
    EXPECT_TRUE(splash->settings().isOpen());
}

TEST_F(SplashTest, ShowsThePartnerLogoWhenThereIsOne)
{
    QImage logo(300, 100, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    ASSERT_TRUE(logo.save(m_home.filePath(QStringLiteral("splash.bmp")), "BMP"));
    auto splash = makeSplash();
    splash->start();
    auto *partner = splash->findChild<QLabel *>(QStringLiteral("imgPartner"));
    ASSERT_NE(partner, nullptr);
    EXPECT_TRUE(partner->isVisible());
    EXPECT_EQ(partner->geometry(), QRect(275, 29, 168, 84));
    // A larger logo is fitted into its place without distortion.
    EXPECT_EQ(partner->pixmap().size(), QSize(168, 56));
}

TEST_F(SplashTest, AnAnimationThatCannotPlayIsNoError)
{
    writeFile(QStringLiteral("splash.avi"), QByteArray("this is no video at all"));
    auto splash = makeSplash();
    QSignalSpy shown(splash.get(), &TfrmSplash::mainWindowShown);
    splash->start();
    // The player may give up while it opens the file; either way the main window follows and
    // the splash ends hidden, not shown again over it.
    EXPECT_FALSE(splash->findChild<QLabel *>(QStringLiteral("imgSplash"))->isVisible());
    if (shown.isEmpty()) {
        ASSERT_TRUE(shown.wait(15000));
    }
    EXPECT_EQ(shown.size(), 1);
    EXPECT_FALSE(splash->animationPlaying());
    ASSERT_NE(splash->mainWindow(), nullptr);
    EXPECT_TRUE(splash->mainWindow()->isVisible());
    EXPECT_FALSE(splash->isVisible());
    QTest::qWait(50);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(m_mainWindowsMade, 1);
}

TEST_F(SplashTest, PlaysTheAnimationToItsEndBeforeWaiting)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZV_TEST_SOURCE_DIR "/fixtures/splash.avi"),
                            m_home.filePath(QStringLiteral("splash.avi"))));
    auto splash = makeSplash();
    QSignalSpy shown(splash.get(), &TfrmSplash::mainWindowShown);
    QElapsedTimer clock;
    clock.start();
    splash->start();
    EXPECT_TRUE(splash->animationPlaying());
    EXPECT_FALSE(splash->splashWaiting()); // the wait begins only when the animation has ended
    auto *video = splash->findChild<QWidget *>(QStringLiteral("aniSplash"));
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(31, 31, 200, 200));
    EXPECT_TRUE(video->isVisible());
    ASSERT_TRUE(shown.wait(15000));
    // The animation lasts half a second (five frames at ten a second).
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_NE(splash->mainWindow(), nullptr);
}

TEST_F(SplashTest, WithTheProfessionalEditorOpenOnlyTheMainWindowShows)
{
    auto splash = makeSplash();
    splash->setProEditorCheck([] { return true; });
    QSignalSpy shown(splash.get(), &TfrmSplash::mainWindowShown);
    splash->start();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(splash->splashWaiting()); // the one-second wait still comes first
    EXPECT_TRUE(TZorvinReg::productKeyExists());
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_FALSE(splash->isVisible());
    ASSERT_NE(splash->mainWindow(), nullptr);
    EXPECT_TRUE(splash->mainWindow()->isVisible());
}

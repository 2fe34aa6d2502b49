#include "filefilter.h"
#include "playwave.h"
#include "resourcebitmap.h"
#include "settings.h"
#include "startup.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(ResourceBitmaps, DrawnAtTheirStatedSizeAndPlace)
{
    EXPECT_EQ(ResourceBitmapPath(QStringLiteral("ZvTestBox")), QStringLiteral(":/art/ZvTestBox.svg"));
    EXPECT_EQ(ResourceBitmapPath(QStringLiteral("ZvTestTile")), QStringLiteral(":/art/ZvTestTile.png"));
    EXPECT_EQ(ResourceBitmapSize(QStringLiteral("ZvTestBox")), QSize(20, 10));
    EXPECT_EQ(ResourceBitmapSize(QStringLiteral("ZvTestTile")), QSize(4, 2));

    QImage canvas(40, 30, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        EXPECT_TRUE(DrawResourceBitmap(painter, QStringLiteral("ZvTestBox"), 5, 7));
        EXPECT_TRUE(DrawResourceBitmap(painter, QStringLiteral("ZvTestTile"), 30, 25));
        EXPECT_FALSE(DrawResourceBitmap(painter, QStringLiteral("NoSuchPicture"), 0, 0));
    }
    EXPECT_EQ(canvas.pixelColor(4, 7), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(5, 7), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(14, 16), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(15, 7), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(24, 16), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(25, 16), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(24, 17), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(30, 25), QColor(Qt::green));
    EXPECT_EQ(canvas.pixelColor(33, 26), QColor(Qt::green));
    EXPECT_EQ(canvas.pixelColor(34, 26), QColor(Qt::white));
}

TEST(ResourceBitmaps, HighDensitySurfacesGetEveryDevicePixel)
{
    QImage canvas(80, 40, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(2.0);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(DrawResourceBitmap(painter, QStringLiteral("ZvTestBox"), 0, 0));
    }
    // 20 x 10 logical pixels cover 40 x 20 device pixels, with a sharp edge between the halves.
    EXPECT_EQ(canvas.pixelColor(19, 19), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(20, 0), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(39, 19), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(40, 0), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(0, 20), QColor(Qt::white));

    const QPixmap pixmap = ResourcePixmap(QStringLiteral("ZvTestBox"), QSize(40, 20), 1.5);
    EXPECT_EQ(pixmap.size(), QSize(60, 30));
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(40, 20));
    EXPECT_TRUE(ResourcePixmap(QStringLiteral("NoSuchPicture")).isNull());
}

TEST(PlayWave, FollowsTheSoundSwitch)
{
    TempSettings temp;
    // No product key: the switch reads as empty text, which is not "Yes".
    EXPECT_FALSE(PlayWave(QStringLiteral("zvtestbeep")));
    TZorvinReg::createProductKey();
    EXPECT_FALSE(PlayWave(QStringLiteral("zvtestbeep"))); // "ERROR" is not "Yes" either
    WriteSetting(QStringLiteral("General"), QStringLiteral("PlaySounds"), QStringLiteral("Yes"));
    EXPECT_TRUE(PlayWave(QStringLiteral("zvtestbeep")));
    EXPECT_FALSE(PlayWave(QStringLiteral("noSuchSound")));
    WriteSetting(QStringLiteral("General"), QStringLiteral("PlaySounds"), QStringLiteral("yes"));
    EXPECT_FALSE(PlayWave(QStringLiteral("zvtestbeep")));
}

TEST(Startup, SettingsStepsRecordThePathAndSettleTheSoundSwitch)
{
    TempSettings temp;
    TZorvinReg::createProductKey();
    const QString general = QStringLiteral("General");
    EXPECT_TRUE(ApplyStartupSettings());
    EXPECT_EQ(ReadSetting(general, QStringLiteral("PlaySounds")), QStringLiteral("Yes"));
    EXPECT_EQ(ReadSetting(general, QStringLiteral("Path")), QCoreApplication::applicationFilePath());

    WriteSetting(general, QStringLiteral("PlaySounds"), QStringLiteral("maybe"));
    EXPECT_TRUE(ApplyStartupSettings());
    EXPECT_EQ(ReadSetting(general, QStringLiteral("PlaySounds")), QStringLiteral("Yes"));

    WriteSetting(general, QStringLiteral("PlaySounds"), QStringLiteral("No"));
    EXPECT_FALSE(ApplyStartupSettings());
    EXPECT_EQ(ReadSetting(general, QStringLiteral("PlaySounds")), QStringLiteral("No"));
}

TEST(Startup, ProfessionalEditorWindowNames)
{
    const QString cls = QStringLiteral("TfrmMain");
    EXPECT_TRUE(IsProEditorWindow(cls, QStringLiteral("Zorvin Professional - index.html")));
    EXPECT_TRUE(IsProEditorWindow(QStringLiteral("xTfrmMainWnd"), QStringLiteral("  Zorvin4 ")));
    EXPECT_TRUE(IsProEditorWindow(cls, QStringLiteral("Zorvin4")));
    EXPECT_FALSE(IsProEditorWindow(cls, QStringLiteral("Zorvin Express - Untitled")));
    EXPECT_FALSE(IsProEditorWindow(cls, QStringLiteral("Zorvin Profession")));
    EXPECT_FALSE(IsProEditorWindow(cls, QStringLiteral("zorvin4")));
    EXPECT_FALSE(IsProEditorWindow(cls, QStringLiteral("My Zorvin4")));
    EXPECT_FALSE(IsProEditorWindow(QStringLiteral("TfrmSplash"), QStringLiteral("Zorvin4")));
    EXPECT_FALSE(ProEditorWindowOpen());
}

TEST(FileFilter, ClassicFiltersBecomeQtFilters)
{
    EXPECT_EQ(ToQtFileFilter(
                  QStringLiteral("Zorvin Express Files (*.zve)|*.zve|Zorvin Express Template (*.zvt)|*.zvt")),
              QStringLiteral("Zorvin Express Files (*.zve);;Zorvin Express Template (*.zvt)"));
    // Several patterns; a description without its own pattern list gets one.
    EXPECT_EQ(ToQtFileFilter(QStringLiteral("Pictures|*.gif;*.jpg; *.png|All files (*.*)|*.*")),
              QStringLiteral("Pictures (*.gif *.jpg *.png);;All files (*.*)"));
    // A description whose parentheses disagree with its patterns shows the real ones.
    EXPECT_EQ(ToQtFileFilter(QStringLiteral("Images (*.gif, *.jpg)|*.gif;*.jpg")),
              QStringLiteral("Images (*.gif *.jpg)"));
    // A trailing separator and a missing pattern list.
    EXPECT_EQ(ToQtFileFilter(QStringLiteral("Pages|*.html|")), QStringLiteral("Pages (*.html)"));
    EXPECT_EQ(ToQtFileFilter(QStringLiteral("Anything|")), QStringLiteral("Anything (*)"));
    // Qt's own form and an empty filter pass unchanged.
    EXPECT_EQ(ToQtFileFilter(QStringLiteral("A (*.a);;B (*.b)")), QStringLiteral("A (*.a);;B (*.b)"));
    EXPECT_EQ(ToQtFileFilter(QString()), QString());
}

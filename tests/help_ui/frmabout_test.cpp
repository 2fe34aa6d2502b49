#include "frmabout.h"
#include "tpageviewer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The box keeps its size and picture whichever page it shows, and the libraries page names
// each library with its licence.
TEST(AboutBox, PictureVersionAndLibraries)
{
    TfrmAbout about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.size(), QSize(TfrmAbout::kWidth, TfrmAbout::kHeight));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Zorvin Express"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 1.11"));
    const QLabel *picture = about.findChild<QLabel *>(QStringLiteral("imgAbout"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_TRUE(picture->isVisible());

    about.findChild<QPushButton *>(QStringLiteral("btnLibraries"))->click();
    EXPECT_TRUE(about.ShowingLibraries());
    EXPECT_EQ(about.size(), QSize(TfrmAbout::kWidth, TfrmAbout::kHeight));
    auto *libraries = about.findChild<TPageViewer *>(QStringLiteral("ctlLibraries"));
    ASSERT_TRUE(libraries->isVisible());
    libraries->SelectAll();
    const QString shown = libraries->SelectedText();
    for (const char *expected : {"Qt 6", "LGPL", "libcurl", "GraphicsMagick", "Liberation", "SIL Open Font"})
        EXPECT_TRUE(shown.contains(QLatin1String(expected))) << expected;

    about.findChild<QPushButton *>(QStringLiteral("btnLibraries"))->click();
    EXPECT_FALSE(about.ShowingLibraries());
    about.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

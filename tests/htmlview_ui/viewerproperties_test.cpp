#include "viewerfixture.h"

#include <QScrollBar>

TEST_F(ViewerTest, PropertiesAreClampedAsDocumented)
{
    viewer->SetDefaultFontSize(4);
    EXPECT_EQ(viewer->DefaultFontSize(), 6);
    viewer->SetDefaultFontSize(-20);
    EXPECT_EQ(viewer->DefaultFontSize(), 6);
    viewer->SetImageCacheSize(50);
    EXPECT_EQ(viewer->ImageCacheSize(), 20);
    viewer->SetImageCacheSize(-1);
    EXPECT_EQ(viewer->ImageCacheSize(), 0);
    viewer->SetDefaultFontName(QString(40, QLatin1Char('x')));
    EXPECT_EQ(viewer->DefaultFontName().size(), 31);
    viewer->SetFixedFontName(QString(40, QLatin1Char('y')));
    EXPECT_EQ(viewer->FixedFontName().size(), 31);
}

TEST_F(ViewerTest, FontChangesRelayoutOnlyWhenTheNameReallyChanges)
{
    viewer->LoadLines(lines("<P>Some text that wraps when the font grows larger and larger</P>"));
    int processing = 0;
    viewer->OnProcessing = [&](TPageViewer *, bool on) { processing += on ? 1 : 0; };

    viewer->SetDefaultFontName(QStringLiteral("LIBERATION SERIF"));
    EXPECT_EQ(processing, 0) << "the same name in other case must not re-lay out";

    const int before = viewer->DocumentHeight();
    viewer->SetDefaultFontSize(30);
    EXPECT_EQ(processing, 1);
    EXPECT_GT(viewer->DocumentHeight(), before);

    viewer->SetDefaultFontName(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(processing, 2);
}

TEST_F(ViewerTest, ShowImagesSwitchesToPlaceholdersAndKeepsThePosition)
{
    const QByteArray page = tallPage() + "<IMG SRC=\"nothere.gif\" ALT=\"gone\">";
    viewer->LoadLines(lines(page));
    viewer->SetPosition(300);
    const int position = viewer->Position();
    ASSERT_GT(position, 0);
    viewer->SetShowImages(false);
    EXPECT_FALSE(viewer->Document().ShowImages);
    EXPECT_EQ(viewer->Position(), position);
}

TEST_F(ViewerTest, DefaultBackgroundAppliesUntilThePageSetsItsOwn)
{
    viewer->LoadLines(lines("<P>plain</P>"));
    viewer->SetDefaultBackground(0x00FFEEDD);
    EXPECT_TRUE(SameColor(viewer->Document().Background(), 0x00FFEEDD));

    viewer->LoadLines(lines("<BODY BGCOLOR=\"#102030\"><P>own</P>"));
    viewer->SetDefaultBackground(0x00123456);
    EXPECT_TRUE(SameColor(viewer->Document().Background(), 0x00302010)) << "BODY BGCOLOR must stay";
}

TEST_F(ViewerTest, ScrollBarsFollowTheDocumentAndTheAllowedKinds)
{
    auto *vbar = viewer->findChild<QScrollBar *>(QStringLiteral("VScrollBar"));
    auto *hbar = viewer->findChild<QScrollBar *>(QStringLiteral("HScrollBar"));
    viewer->LoadLines(lines("<P>short</P>"));
    EXPECT_FALSE(vbar->isVisible());
    EXPECT_FALSE(hbar->isVisible());

    viewer->LoadLines(lines(tallPage()));
    EXPECT_TRUE(vbar->isVisible());
    EXPECT_FALSE(hbar->isVisible());
    EXPECT_EQ(vbar->maximum(), viewer->DocumentHeight() - viewer->ViewSize().height());

    // One word wider than the view cannot be broken: the page needs a horizontal bar.
    viewer->LoadLines(lines("<P>" + QByteArray(120, 'W') + "</P>"));
    EXPECT_TRUE(hbar->isVisible());

    viewer->SetScrollBars(TScrollStyle::ssNone);
    EXPECT_FALSE(vbar->isVisible());
    EXPECT_FALSE(hbar->isVisible());
    EXPECT_EQ(viewer->ViewSize().width(), viewer->width() - 2);
}

TEST_F(ViewerTest, LayoutWidthLeavesRoomForTheVerticalBarOnlyWhenItIsAllowed)
{
    // A table of the full width is exactly as wide as the layout.
    const QByteArray words = "<TABLE WIDTH=100%><TR><TD>x</TD></TR></TABLE>";
    viewer->SetScrollBars(TScrollStyle::ssNone);
    viewer->LoadLines(lines(words));
    const int withoutBar = viewer->MaxHorzExtent();
    viewer->SetScrollBars(TScrollStyle::ssBoth);
    const int withBar = viewer->MaxHorzExtent();
    const int barWidth = viewer->findChild<QWidget *>(QStringLiteral("VScrollBar"))->sizeHint().width();
    EXPECT_EQ(withoutBar, viewer->width() - 20);
    EXPECT_EQ(withBar, viewer->width() - 20 - barWidth) << "room for the bar even when it is not shown";
}

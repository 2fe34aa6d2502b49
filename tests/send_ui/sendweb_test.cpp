#include "helpers.h"
#include "sendfixture.h"
#include "webcanvas.h"

// Turning the web and what the magnifier shows; the browser the logos open.

namespace {

void turn(TSendWeb &web, bool left)
{
    QTest::mouseClick(left ? web.imgUploadLeft : web.imgUploadRight, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !web.isRotating(); }, 5000));
}

QString shownSight(const TSendWeb &web)
{
    QString shown;
    for (const TWebSprite *sight : web.sights) {
        if (sight->isVisible())
            shown += sight->objectName();
    }
    return shown;
}

} // namespace

TEST_F(SendStageTest, TurningTheWebWalksThroughTheLogosAndWrapsAround)
{
    openOnSendStage({server("Alpha")});
    TSendWeb &w = *web();
    EXPECT_EQ(shownSight(w), "");
    turn(w, true);
    EXPECT_EQ(shownSight(w), "imgLookSmartPage");
    EXPECT_EQ(w.lblMag->text(), "Click the logo to visit  LookSmart");
    turn(w, false);
    EXPECT_EQ(shownSight(w), "imgPelloryPage");
    EXPECT_EQ(w.lblMag->text(), "Click the logo to visit  Pellory Software");
    for (int i = 0; i < 6; ++i)
        turn(w, false);
    EXPECT_EQ(shownSight(w), "imgLookSmartPage");
    // Past the last logo the maker's comes round again while nothing has been uploaded.
    turn(w, false);
    EXPECT_EQ(shownSight(w), "imgPelloryPage");
    // Each turn ends with the web drawn still again.
    EXPECT_EQ(w.imgWebBack->layers(), QStringList{"Web_Back@0,0"});
}

TEST_F(SendStageTest, AnArrowShowsItselfPressedWhileTheButtonIsDown)
{
    openOnSendStage({server("Alpha")});
    TSendWeb &w = *web();
    QTest::mousePress(w.imgUploadLeft, Qt::LeftButton);
    EXPECT_EQ(w.imgUploadLeft->picture(), "Web_LeftDn");
    QTest::mouseRelease(w.imgUploadLeft, Qt::LeftButton);
    EXPECT_EQ(w.imgUploadLeft->picture(), "Web_LeftUp");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isRotating(); }, 5000));
    // The right button of the mouse does not press it.
    QTest::mousePress(w.imgUploadRight, Qt::RightButton);
    EXPECT_EQ(w.imgUploadRight->picture(), "Web_RightUp");
    QTest::mouseRelease(w.imgUploadRight, Qt::RightButton);
}

TEST_F(SendStageTest, TheFlashingPageAlternatesUntilTheStageIsLeft)
{
    TfrmMain &w = openOnSendStage({server("Alpha")});
    auto *page = web()->imgUpload;
    QStringList seen;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            if (!seen.contains(page->picture()))
                seen << page->picture();
            return seen.size() == 2;
        },
        5000));
    EXPECT_TRUE(seen.contains("Web_PageFlash"));
    clickToolbar(150);
    ASSERT_EQ(w.CurrentStage(), stBuild);
    EXPECT_FALSE(stage()->isFlashing());
}

TEST_F(SendStageTest, ALogoOpensItsPartysSiteAndABrowserThatFailsIsReported)
{
    openOnSendStage({server("Alpha")});
    TSendWeb &w = *web();
    turn(w, false);
    {
        TBrowserRecorder browser;
        click(find("imgPelloryPage"));
        ASSERT_EQ(browser.opened.size(), 1);
        QFile redirect(PreviewFileName());
        ASSERT_TRUE(redirect.open(QIODevice::ReadOnly));
        EXPECT_TRUE(redirect.readAll().contains("URL=http://www.pellory.com/\""));
        EXPECT_TRUE(prompts.messages().isEmpty());
    }
    // Without a handler the offscreen desktop opens nothing, as a machine without a browser.
    click(find("imgPelloryPage"));
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(5079)});
}

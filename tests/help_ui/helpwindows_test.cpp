#include "frmhelp.h"
#include "frmhelppopup.h"
#include "helpfixture.h"
#include "tpageviewer.h"
#include "viewerhelpservice.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString shownPage(const TPageViewer *viewer)
{
    return QFileInfo(viewer->CurrentFile()).fileName();
}

QToolButton *button(const TfrmHelp &window, const char *name)
{
    return window.findChild<QToolButton *>(QLatin1String(name));
}

// The menu the service opened, once it is on the screen.
QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace

// Back and forward walk the pages read in order, and a new page read after going back drops the
// pages that were ahead.
TEST(HelpWindow, BackAndForwardFollowThePagesRead)
{
    TfrmHelp window(ShippedHelpFolder());
    window.ShowContents();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("index.html"));
    EXPECT_FALSE(button(window, "btnBack")->isEnabled());

    window.ShowTopic(12);
    window.ShowTopic(50);
    window.ShowTopic(50); // asking again for the page shown adds nothing to go back through
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("50.html"));
    EXPECT_TRUE(button(window, "btnBack")->isEnabled());
    EXPECT_FALSE(button(window, "btnForward")->isEnabled());

    button(window, "btnBack")->click();
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("12.html"));
    button(window, "btnBack")->click();
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("index.html"));
    EXPECT_FALSE(button(window, "btnBack")->isEnabled());
    button(window, "btnForward")->click();
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("12.html"));

    window.ShowTopic(13);
    EXPECT_FALSE(button(window, "btnForward")->isEnabled());
    button(window, "btnBack")->click();
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("12.html"));

    button(window, "btnContents")->click();
    EXPECT_EQ(shownPage(window.viewer()), QStringLiteral("index.html"));
}

// A topic whose page is missing says so in the window instead of keeping the last page or
// showing nothing.
TEST(HelpWindow, MissingTopicSaysSo)
{
    TfrmHelp window(ShippedHelpFolder());
    window.ShowTopic(12);
    window.ShowTopic(9999);
    window.viewer()->SelectAll();
    EXPECT_TRUE(window.viewer()->SelectedText().contains(QStringLiteral("9999.html")));
}

// The pop-up fits its topic, stays on the screen, closes on Escape, and hands a link on to the
// help window instead of reading on inside the small window.
TEST(HelpPopup, ShowsTopicClosesOnEscapeAndPassesLinksOn)
{
    TViewerHelpService help(ShippedHelpFolder());
    help.ShowPopupTopic(95, QPoint(20000, 20000));
    TfrmHelpPopup *popup = help.popupWindow();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_EQ(shownPage(popup->viewer()), QStringLiteral("95.html"));
    EXPECT_EQ(popup->width(), TfrmHelpPopup::kWidth);
    EXPECT_LE(popup->height(), TfrmHelpPopup::kMaxHeight);
    EXPECT_GE(popup->height(), popup->viewer()->DocumentHeight());
    EXPECT_TRUE(popup->screen()->availableGeometry().contains(popup->geometry()))
        << "pushed back onto the screen";

    QTest::keyClick(popup->viewer(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());

    // A long topic scrolls inside the limit instead of growing past it.
    help.ShowPopupTopic(79, QPoint(10, 10));
    EXPECT_EQ(popup->height(), TfrmHelpPopup::kMaxHeight);

    bool handled = false;
    popup->viewer()->OnLinkClick(popup->viewer(), QStringLiteral("92.html"), handled);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(popup->isVisible());
    ASSERT_NE(help.helpWindow(), nullptr);
    EXPECT_TRUE(help.helpWindow()->isVisible());
    EXPECT_EQ(shownPage(help.helpWindow()->viewer()), QStringLiteral("92.html"));
}

// The one-item menu remembers the tag it was opened for; the style list's topic opens in the
// help window, any other as a pop-up where the menu was.
TEST(HelpService, WhatsThisMenuShowsStylesInFullAndOthersAsPopups)
{
    TViewerHelpService help(ShippedHelpFolder());
    EXPECT_EQ(help.HelpContext(), 1);

    help.ShowWhatsThis(12, QPoint(100, 120));
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral("What's This?"));
    EXPECT_EQ(help.HelpContext(), 12);
    menu->actions().first()->trigger();
    menu->close();
    ASSERT_NE(help.popupWindow(), nullptr);
    EXPECT_TRUE(help.popupWindow()->isVisible());
    EXPECT_EQ(help.popupWindow()->Topic(), 12);
    EXPECT_EQ(help.helpWindow(), nullptr) << "no help window for a pop-up topic";
    help.popupWindow()->close();

    help.ShowWhatsThis(31, QPoint(100, 120));
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    menu->actions().first()->trigger();
    menu->close();
    ASSERT_NE(help.helpWindow(), nullptr);
    EXPECT_TRUE(help.helpWindow()->isVisible());
    EXPECT_EQ(shownPage(help.helpWindow()->viewer()), QStringLiteral("31.html"));
    EXPECT_FALSE(help.popupWindow()->isVisible());
}

// Help asked for from a modal dialog (a wizard's Help button) must not be blocked by that
// dialog, and must stay open when the dialog closes.
TEST(HelpService, HelpFromAModalDialogStaysUsableAndOutlivesIt)
{
    TViewerHelpService help(ShippedHelpFolder());
    auto dialog = std::make_unique<QDialog>();
    dialog->setModal(true);
    dialog->show();
    ASSERT_EQ(QApplication::activeModalWidget(), dialog.get());

    help.ShowTopic(31);
    ASSERT_NE(help.helpWindow(), nullptr);
    EXPECT_EQ(help.helpWindow()->window(), help.helpWindow()) << "still a window of its own";
    EXPECT_TRUE(dialog->isAncestorOf(help.helpWindow()) || help.helpWindow()->parentWidget() == dialog.get())
        << "lent to the dialog, which would otherwise block it";
    EXPECT_TRUE(help.helpWindow()->isVisible());

    dialog->hide();
    dialog.reset();
    ASSERT_NE(help.helpWindow(), nullptr) << "closed with the dialog";
    EXPECT_EQ(help.helpWindow()->parentWidget(), nullptr);
    EXPECT_TRUE(help.helpWindow()->isVisible());
    EXPECT_EQ(shownPage(help.helpWindow()->viewer()), QStringLiteral("31.html"));
}

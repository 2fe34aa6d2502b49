#include "frmserverwizard.h"
#include "helpers.h"
#include "keyboardwalk.h"
#include "programkeyfilters.h"
#include "recordinghelp.h"
#include "sendfixture.h"
#include "settings.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QTimer>

// The send stage worked with the keyboard alone: every control is a stop of the Tab key, says
// what it is, and does its work with Space, Enter or the arrows.

namespace {

class SendKeyboardTest : public SendStageTest {
protected:
    // The widgets the Tab key visits from the server box until it comes round again.
    QList<QWidget *> walkFromServerBox() const { return KeyboardWalk::TabStops(stage()->cmbServers); }
    // Gives a widget the focus as the Tab key would and presses a key on it.
    static void press(QWidget *widget, Qt::Key key)
    {
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, key);
    }
};

TEST_F(SendKeyboardTest, EveryControlOfTheStageIsAStopInReadingOrderWithAName)
{
    openOnSendStage({server("Alpha"), server("Bravo")});
    QApplication::setActiveWindow(window.get());

    QList<QWidget *> walk = walkFromServerBox();
    QStringList order = KeyboardWalk::ObjectNames(walk);
    const QStringList leftColumnAndWeb{"cmbServers", "spdEditWWW", "lstFiles",
                                       "chkLogo",    "imgUpload",  "imgUploadLeft"};
    ASSERT_GE(order.size(), leftColumnAndWeb.size() + 1) << order.join(' ').toStdString();
    EXPECT_EQ(order.mid(0, leftColumnAndWeb.size()), leftColumnAndWeb) << order.join(' ').toStdString();
    // No picture is under the magnifier yet, so the right arrow follows the left one.
    EXPECT_EQ(order.value(leftColumnAndWeb.size()), "imgUploadRight") << order.join(' ').toStdString();
    EXPECT_TRUE(order.contains("btnExit"));
    for (QWidget *widget : walk)
        EXPECT_FALSE(KeyboardWalk::AccessibleName(widget).isEmpty()) << widget->objectName().toStdString();
    // A box's own name is the entry it shows; what it is for is its accessible name.
    EXPECT_EQ(stage()->cmbServers->accessibleName(), LoadStr(5002).trimmed());
    EXPECT_EQ(KeyboardWalk::AccessibleName(stage()->lstFiles), LoadStr(5005).trimmed());

    // The arrows choose another server, and that is the user's choice to remember.
    press(stage()->cmbServers, Qt::Key_Down);
    EXPECT_EQ(stage()->cmbServers->currentText(), "Bravo");
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Bravo");

    // Enter on an arrow turns the web; the picture it brings under the magnifier becomes a stop
    // between the arrows, named by what the magnifier says.
    press(web()->imgUploadRight, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !web()->isRotating(); }, 5000));
    walk = walkFromServerBox();
    order = KeyboardWalk::ObjectNames(walk);
    const int left = int(order.indexOf("imgUploadLeft"));
    EXPECT_EQ(order.mid(left, 3), (QStringList{"imgUploadLeft", "imgPelloryPage", "imgUploadRight"}));
    EXPECT_EQ(KeyboardWalk::AccessibleName(find("imgPelloryPage")), web()->lblMag->text().simplified());
    press(web()->imgUploadLeft, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !web()->isRotating(); }, 5000));
    EXPECT_TRUE(find("imgLookSmartPage")->isVisible());

    // Space on the logo visits its party's site as a click does.
    TBrowserRecorder browser;
    press(find("imgLookSmartPage"), Qt::Key_Space);
    EXPECT_EQ(browser.opened.size(), 1);
}

TEST_F(SendKeyboardTest, TheWizardAndTheUploadStartFromTheKeyboard)
{
    TTestFtpServer ftp;
    openOnSendStage({server("Loopback", ftp.Address())});
    QApplication::setActiveWindow(window.get());

    // Enter opens the server wizard; Escape leaves it without a question.
    bool wizardShown = false;
    QTimer::singleShot(0, [&] {
        QWidget *wizard = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<TfrmServerWizard *>(wizard), nullptr);
        wizardShown = true;
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
    press(stage()->spdEditWWW, Qt::Key_Return);
    EXPECT_TRUE(wizardShown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompts.asked().isEmpty());

    // Enter on the flashing page sends it.
    prompts.answerUploadSuccess(false);
    press(web()->imgUpload, Qt::Key_Return);
    EXPECT_TRUE(web()->isAnimatingUpload());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !web()->isAnimatingUpload(); }, 60000));
    EXPECT_EQ(prompts.messages(), QStringList());
    EXPECT_TRUE(ftp.Files().contains("site/MyPage.html"));
    EXPECT_TRUE(web()->Uploaded());
}

TEST_F(SendKeyboardTest, TheMenuKeysAskAboutThePageAndTheWeb)
{
    TRecordingHelp help;
    TProgramKeyFilters keys;
    openOnSendStage({server("Alpha")});
    QApplication::setActiveWindow(window.get());

    press(web()->imgUpload, Qt::Key_Menu);
    ASSERT_EQ(help.requests().size(), 1);
    EXPECT_EQ(help.last().kind, TRecordingHelp::Kind::WhatsThis);
    EXPECT_EQ(help.last().topic, 40);
    // The arrows lie on the web and answer for it, from the keyboard and the mouse alike.
    web()->imgUploadLeft->setFocus(Qt::TabFocusReason);
    QTest::keyClick(web()->imgUploadLeft, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(help.requests().size(), 2);
    EXPECT_EQ(help.last().topic, 75);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2),
                                 web()->imgUploadRight->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(web()->imgUploadRight, &rightClick);
    ASSERT_EQ(help.requests().size(), 3);
    EXPECT_EQ(help.last().topic, 75);
    EXPECT_FALSE(web()->isRotating());
}

} // namespace

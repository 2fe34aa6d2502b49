#include "keyboardwalk.h"
#include "programkeyfilters.h"
#include "recordinghelp.h"
#include "serverwizardfixture.h"
#include "stringtable.h"

#include <QApplication>
#include <QSignalSpy>

// The wizard worked with the keyboard alone: each page's controls are visited in reading order
// before the buttons, all carry a name, and Enter, Escape, the arrows and the menu keys act.

namespace {

class ServerWizardKeys : public ServerWizardTest {
protected:
    TfrmServerWizard &openActive()
    {
        TfrmServerWizard &w = open();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    static QWidget *focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QStringLiteral("(none)"); }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), key, modifiers);
    }
    // The stops of the Tab key from the focused control round to it again; every one is named.
    QStringList walk()
    {
        QWidget *start = focus();
        QStringList stops{start->objectName()};
        for (int i = 0; i < 40; ++i) {
            key(Qt::Key_Tab);
            if (focus() == start)
                break;
            stops << focusName();
            EXPECT_FALSE(KeyboardWalk::AccessibleName(focus()).isEmpty()) << focusName().toStdString();
        }
        return stops;
    }
};

TEST_F(ServerWizardKeys, AServerIsAddedWithoutTheMouse)
{
    openActive();
    ASSERT_EQ(focusName(), "RadioButton1");
    EXPECT_EQ(walk(), (QStringList{"RadioButton1", "butHelp", "NextButt", "CancelButt"}));

    // The provider list: the arrows go through the definitions; Enter moves on.
    key(Qt::Key_Return);
    ASSERT_EQ(page(), "tabISP");
    ASSERT_EQ(focusName(), "cmbServerType");
    // A box's own name is the entry it shows; what it is for is its accessible name.
    EXPECT_EQ(focus()->accessibleName(), LoadStr(610));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(child<QComboBox>("cmbServerType")->currentText(), "Panel Host");
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(child<QComboBox>("cmbServerType")->currentText(), LoadStr(629));
    key(Qt::Key_Return);

    // The details, each field named by its prompt, then the row of buttons left to right.
    ASSERT_EQ(page(), "tab2");
    ASSERT_EQ(focusName(), "txtName");
    EXPECT_EQ(walk(), (QStringList{"txtName", "txtAddress", "txtLogin", "txtPassword", "butTest",
                                   "butAdvanced", "butHelp", "BackButt", "FinishButt", "CancelButt"}));
    EXPECT_EQ(KeyboardWalk::AccessibleName(child("txtName")), LoadStr(607));
    EXPECT_EQ(KeyboardWalk::AccessibleName(child("txtPassword")), LoadStr(608));
    for (const char *typed : {"Delta", "ftp.delta.test", "dee", "secret"}) {
        QTest::keyClicks(focus(), typed);
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(focusName(), "butTest");
    key(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "butAdvanced");
    key(Qt::Key_Space);
    ASSERT_EQ(page(), "tab3");
    EXPECT_EQ(focusName(), "txtDirectory");
    EXPECT_EQ(KeyboardWalk::AccessibleName(focus()), LoadStr(612));
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "txtURL");
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "chkDir");
    key(Qt::Key_Space);

    // Enter finishes, and the save question is asked as with the mouse.
    m_prompts.answer(TMsgResult::Yes);
    key(Qt::Key_Return);
    EXPECT_FALSE(wizard().isVisible());
    const TServerList saved = LoadServers();
    ASSERT_EQ(names(saved), (QStringList{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(saved[3].Address, "ftp.delta.test");
    EXPECT_EQ(saved[3].UserName, "dee");
    EXPECT_TRUE(saved[3].FlatDir);
}

TEST_F(ServerWizardKeys, TheListIsWorkedWithTheArrowsAndTheDeleteKey)
{
    openActive();
    // The arrows choose the mode on the first page.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(wizard().ServerWizMode(), TServerWizMode::Delete);
    key(Qt::Key_Return);
    ASSERT_EQ(page(), "tab4");
    ASSERT_EQ(focusName(), "lstServers");
    EXPECT_EQ(walk(), (QStringList{"lstServers", "spbUp", "spbDown", "butDelete", "butHelp", "BackButt",
                                   "FinishButt", "CancelButt"}));

    key(Qt::Key_Down);
    ASSERT_EQ(child<QListWidget>("lstServers")->currentItem()->text(), "Bravo");
    // Ctrl with the arrows moves the server; Delete removes it.
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(listItems(), (QStringList{"Bravo", "Alpha", "Charlie"}));
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(listItems(), (QStringList{"Alpha", "Charlie", "Bravo"}));
    key(Qt::Key_Delete);
    EXPECT_EQ(listItems(), (QStringList{"Alpha", "Charlie"}));

    m_prompts.answer(TMsgResult::Yes);
    key(Qt::Key_Return);
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(names(LoadServers()), (QStringList{"Alpha", "Charlie"}));
}

TEST_F(ServerWizardKeys, ModifyingGoesOnFromTheChosenServerAndEscapeLeaves)
{
    openActive();
    key(Qt::Key_Down);
    ASSERT_EQ(wizard().ServerWizMode(), TServerWizMode::Modify);
    key(Qt::Key_Return);
    ASSERT_EQ(focusName(), "lstServers");
    // Delete is not offered while modifying, and its key does nothing.
    key(Qt::Key_Down);
    key(Qt::Key_Delete);
    EXPECT_EQ(listItems(), (QStringList{"Alpha", "Bravo", "Charlie"}));
    key(Qt::Key_Return);
    ASSERT_EQ(page(), "tabISP");
    key(Qt::Key_Return);
    ASSERT_EQ(page(), "tab2");
    EXPECT_EQ(text("txtName"), "Bravo");

    // Escape closes without a question and without saving, whatever was typed.
    QTest::keyClicks(focus(), " Two");
    key(Qt::Key_Escape);
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(names(LoadServers()), (QStringList{"Alpha", "Bravo", "Charlie"}));
}

TEST_F(ServerWizardKeys, F1AndTheHelpButtonShowTheWizardsTopic)
{
    TRecordingHelp help;
    TProgramKeyFilters keys;
    openActive();
    key(Qt::Key_Return);
    ASSERT_EQ(focusName(), "cmbServerType");
    key(Qt::Key_F1);
    EXPECT_EQ(help.requests(), (QList<TRecordingHelp::Request>{{TRecordingHelp::Kind::Topic, 79, {}}}));
    child("butHelp")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    EXPECT_EQ(help.requests().size(), 2);
    EXPECT_EQ(help.last().topic, 79);
}

TEST_F(ServerWizardKeys, TheMenuKeysAskWhatTheProviderPageIs)
{
    TProgramKeyFilters keys;
    openActive();
    QSignalSpy asked(&wizard(), &TfrmServerWizard::whatsThisRequested);
    key(Qt::Key_Return);
    ASSERT_EQ(focusName(), "cmbServerType");
    key(Qt::Key_Menu);
    key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0][0].toInt(), TfrmServerWizard::HelpTopic);
    // The menu opens on the box that has the focus.
    QWidget *box = child("cmbServerType");
    const QRect place(box->mapToGlobal(QPoint(0, 0)), box->size());
    EXPECT_TRUE(place.contains(asked[1][1].toPoint()));
    // F10 alone is not a menu key.
    key(Qt::Key_F10);
    EXPECT_EQ(asked.size(), 2);
}

} // namespace

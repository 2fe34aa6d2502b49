#include "recordinghelp.h"
#include "serverwizardfixture.h"
#include "stringtable.h"

TEST_F(ServerWizardTest, ModifyingEditsTheSelectedServerInPlace)
{
    open();
    click("RadioButton2");
    click("NextButt");
    EXPECT_EQ(page(), "tab4");
    EXPECT_FALSE(shown("butDelete"));
    EXPECT_TRUE(shown("lblModify"));
    EXPECT_TRUE(shown("lblModDesc"));
    EXPECT_FALSE(shown("lblDelDesc"));
    EXPECT_EQ(listItems(), (QStringList{"Alpha", "Bravo", "Charlie"}));

    // Next without a selection stays on the list.
    click("NextButt");
    EXPECT_EQ(page(), "tab4");

    selectRow(1);
    click("NextButt");
    EXPECT_EQ(page(), "tabISP");
    click("NextButt");
    EXPECT_EQ(page(), "tab2");
    EXPECT_EQ(text("txtName"), "Bravo");
    EXPECT_EQ(text("txtAddress"), "ftp.bravo.test");
    EXPECT_EQ(text("txtPassword"), "pw-Bravo");
    type("txtName", "Bravo two");
    type("txtAddress", "ftp.b2.test");

    // Back to the list shows the new name in its place.
    click("BackButt");
    click("BackButt");
    EXPECT_EQ(page(), "tab4");
    EXPECT_EQ(listItems(), (QStringList{"Alpha", "Bravo two", "Charlie"}));
    click("NextButt");
    click("NextButt");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");

    tWWWServerType expected = server("Bravo");
    expected.Name = "Bravo two";
    expected.Address = "ftp.b2.test";
    EXPECT_EQ(LoadServers(), (TServerList{server("Alpha"), expected, server("Charlie")}));
    EXPECT_EQ(m_serverList, LoadServers());
}

TEST_F(ServerWizardTest, DeletingAndReorderingSurviveARestartInTheUsersOrder)
{
    open();
    click("RadioButton3");
    click("NextButt");
    EXPECT_EQ(page(), "tab4");
    EXPECT_TRUE(shown("butDelete"));
    EXPECT_TRUE(shown("lblDelete"));
    EXPECT_TRUE(shown("lblDelDesc"));
    EXPECT_TRUE(shown("FinishButt"));

    selectRow(0);
    click("butDelete");
    EXPECT_EQ(listItems(), (QStringList{"Bravo", "Charlie"}));
    // Nothing is selected after a delete: a second click removes nothing.
    click("butDelete");
    EXPECT_EQ(listItems(), (QStringList{"Bravo", "Charlie"}));

    selectRow(1);
    click("spbUp");
    click("spbUp"); // already first
    EXPECT_EQ(listItems(), (QStringList{"Charlie", "Bravo"}));
    EXPECT_EQ(child<QListWidget>("lstServers")->currentRow(), 0);
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");

    EXPECT_EQ(names(LoadServers()), (QStringList{"Charlie", "Bravo"}));
    EXPECT_EQ(LoadServers().first(), server("Charlie"));
}

TEST_F(ServerWizardTest, CancelEscapeAndNoLeaveTheListAsItWas)
{
    const QByteArray before = [this] {
        QFile file(m_settings.fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const auto unchanged = [&] {
        QFile file(m_settings.fileName());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        EXPECT_EQ(names(m_serverList), (QStringList{"Alpha", "Bravo", "Charlie"}));
    };

    open();
    click("RadioButton3");
    click("NextButt");
    selectRow(0);
    click("butDelete");
    click("CancelButt");
    EXPECT_EQ(wizard().result(), QDialog::Rejected);
    unchanged();

    open();
    click("RadioButton3");
    click("NextButt");
    selectRow(2);
    click("spbUp");
    QTest::keyClick(&wizard(), Qt::Key_Escape);
    EXPECT_FALSE(wizard().isVisible());
    unchanged();

    open();
    click("RadioButton3");
    click("NextButt");
    selectRow(2);
    click("butDelete");
    m_prompts.answer(TMsgResult::No);
    click("FinishButt");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(wizard().result(), QDialog::Rejected);
    unchanged();
    EXPECT_TRUE(m_prompts.messages().size() == 1);
}

TEST_F(ServerWizardTest, FinishingWithoutChangesClosesWithoutAQuestion)
{
    open();
    click("RadioButton2");
    click("NextButt");
    selectRow(2);
    click("NextButt");
    click("NextButt");
    click("FinishButt");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_TRUE(m_prompts.asked().isEmpty());

    open();
    click("RadioButton3");
    click("NextButt");
    click("FinishButt");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_TRUE(m_prompts.asked().isEmpty());
}

TEST_F(ServerWizardTest, BackReturnsThroughThePagesAndHelpAsksForTheTopic)
{
    TRecordingHelp help;
    open();
    click("butHelp");
    ASSERT_EQ(help.requests().size(), 1);
    EXPECT_EQ(help.last().kind, TRecordingHelp::Kind::Topic);
    EXPECT_EQ(help.last().topic, 79);

    click("NextButt");
    click("NextButt");
    EXPECT_EQ(page(), "tab2");
    click("BackButt");
    EXPECT_EQ(page(), "tabISP");
    EXPECT_TRUE(shown("NextButt"));
    click("BackButt");
    EXPECT_EQ(page(), "tab1");
    EXPECT_FALSE(child("BackButt")->isEnabled());
}

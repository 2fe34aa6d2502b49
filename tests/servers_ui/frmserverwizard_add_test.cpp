#include "serverwizardfixture.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

TEST_F(ServerWizardTest, AddingACommonServerBuildsItsWebAddressAndSavesItAtTheEnd)
{
    open();
    EXPECT_EQ(page(), "tab1");
    EXPECT_FALSE(child("BackButt")->isEnabled());
    click("NextButt");
    EXPECT_EQ(page(), "tabISP");
    EXPECT_EQ(child<QComboBox>("cmbServerType")->currentText(), LoadStr(629));
    EXPECT_EQ(child<QComboBox>("cmbServerType")->count(), 4);
    click("NextButt");
    EXPECT_EQ(page(), "tab2");
    EXPECT_TRUE(shown("FinishButt"));
    EXPECT_FALSE(shown("NextButt"));
    EXPECT_TRUE(child("txtName")->hasFocus());
    EXPECT_EQ(child<QLabel>("lblLogin")->text(), LoadStr(609));

    type("txtName", "Home");
    type("txtAddress", "ftp.home.test");
    type("txtLogin", "jo");
    type("txtPassword", "p");
    EXPECT_EQ(child<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");

    EXPECT_EQ(m_prompts.messages(), QStringList{LoadStr(618)});
    EXPECT_EQ(m_prompts.asked().last().buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(wizard().result(), QDialog::Accepted);
    EXPECT_FALSE(wizard().isVisible());
    tWWWServerType home;
    home.Name = "Home";
    home.Address = "ftp.home.test";
    home.UserName = "jo";
    home.Password = "p";
    home.Directory = "public_html";
    home.URL = "http://ftp.home.test/~jo/";
    const TServerList expected = {server("Alpha"), server("Bravo"), server("Charlie"), home};
    EXPECT_EQ(m_serverList, expected);
    // A restart reads the same list, one-character password included.
    EXPECT_EQ(LoadServers(), expected);
}

TEST_F(ServerWizardTest, ADefinitionFillsTheAddressAndFixesTheAdvancedDetails)
{
    open();
    click("NextButt");
    chooseISP("Open Host");
    click("NextButt");
    // The provider needs no login; its address is given.
    EXPECT_EQ(text("txtName"), "Open Host");
    EXPECT_EQ(text("txtAddress"), "ftp.open.test");
    EXPECT_TRUE(child<QLineEdit>("txtAddress")->isReadOnly());
    EXPECT_FALSE(child("txtLogin")->isEnabled());
    EXPECT_FALSE(child("txtPassword")->isEnabled());
    EXPECT_FALSE(child("lblLogin")->isEnabled());

    type("txtName", "My open site");
    click("butAdvanced");
    EXPECT_TRUE(m_prompts.messages().isEmpty()) << m_prompts.messages().join('\n').toStdString();
    EXPECT_EQ(page(), "tab3");
    EXPECT_FALSE(child("grpAdvanced")->isEnabled());
    EXPECT_FALSE(child("txtDirectory")->isEnabled());
    EXPECT_EQ(text("txtDirectory"), "htdocs");
    EXPECT_EQ(text("txtURL"), "http://open.test//");
    EXPECT_TRUE(child<QCheckBox>("chkDir")->isChecked()); // the provider does not want folders made

    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    const tWWWServerType added = LoadServers().last();
    EXPECT_EQ(added.Name, "My open site");
    EXPECT_EQ(added.ISP, "Open Host");
    EXPECT_EQ(added.Address, "ftp.open.test");
    EXPECT_EQ(added.Directory, "htdocs");
    EXPECT_TRUE(added.FlatDir);
    EXPECT_EQ(added.URL, "http://open.test//");
}

TEST_F(ServerWizardTest, ADefinitionWithoutAnAddressLeavesItToTheUserAndBuildsTheAddressOnFinish)
{
    open();
    click("NextButt");
    chooseISP("Panel Host");
    click("NextButt");
    EXPECT_FALSE(child<QLineEdit>("txtAddress")->isReadOnly());
    type("txtAddress", "ftp.mysite.test");
    type("txtLogin", "jo");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    const tWWWServerType added = LoadServers().last();
    EXPECT_EQ(added.Name, "Panel Host");
    EXPECT_EQ(added.URL, "http://mysite.test/~jo/");
    EXPECT_FALSE(added.FlatDir);
}

TEST_F(ServerWizardTest, AGeoCitiesServerKeepsNeighbourhoodAndNumberAndBuildsItsAddressFromThem)
{
    open();
    click("NextButt");
    chooseISP("GeoCities");
    click("NextButt");
    EXPECT_EQ(child<QLabel>("lblLogin")->text(), LoadStr(623));
    EXPECT_EQ(child<QLabel>("lblPassword")->text(), LoadStr(624));
    EXPECT_EQ(text("txtAddress"), "ftp.geocities.com");
    type("txtLogin", "member");
    type("txtPassword", "secret");
    click("butAdvanced");
    EXPECT_TRUE(child("grpAdvanced")->isEnabled());
    EXPECT_EQ(child<QLabel>("lblDir")->text(), LoadStr(625));
    EXPECT_EQ(child<QLabel>("lblURL")->text(), LoadStr(626));
    type("txtDirectory", "SoHo/Studios");
    type("txtURL", "2564");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");

    const tWWWServerType added = LoadServers().last();
    EXPECT_EQ(added.ISP, "GeoCities");
    EXPECT_EQ(added.ExtendedA, "SoHo/Studios");
    EXPECT_EQ(added.ExtendedB, "2564");
    EXPECT_EQ(added.Directory, "/");
    EXPECT_EQ(added.URL, "http://www.geocities.com/SoHo/Studios/2564/");
    EXPECT_EQ(added.Password, "secret");
}

TEST_F(ServerWizardTest, AdvancedChecksTheFieldsAndRefusesNamesThatWouldNest)
{
    open();
    click("NextButt");
    click("NextButt");
    click("butAdvanced");
    type("txtName", "Files/Home");
    click("butAdvanced");
    type("txtName", "Home");
    click("butAdvanced");
    type("txtAddress", "ftp.home.test");
    click("butAdvanced");
    EXPECT_EQ(m_prompts.messages(),
              (QStringList{LoadStr(620), ServerNameProblem("a/b"), LoadStr(621), LoadStr(622)}));
    EXPECT_EQ(page(), "tab2");

    type("txtLogin", "jo");
    click("butAdvanced");
    EXPECT_EQ(page(), "tab3");
    EXPECT_EQ(text("txtURL"), "http://ftp.home.test/~jo/");
    EXPECT_EQ(text("txtDirectory"), "public_html");

    // Back to the server page, a name with a backslash, and Finish: refused before anything is
    // added or asked.
    click("BackButt");
    EXPECT_EQ(page(), "tab2");
    EXPECT_TRUE(shown("FinishButt"));
    type("txtName", "Home\\Files");
    m_prompts.clear();
    click("FinishButt");
    EXPECT_EQ(m_prompts.messages(), QStringList{ServerNameProblem("a\\b")});
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_EQ(wizard().WorkingServers().count(), 3);
}

TEST_F(ServerWizardTest, ACancelledSaveQuestionKeepsTheWizardAndNeverAddsTheServerTwice)
{
    open();
    click("NextButt");
    click("NextButt");
    type("txtName", "Home");
    type("txtAddress", "ftp.home.test");
    m_prompts.answer(TMsgResult::Cancel);
    click("FinishButt");
    EXPECT_TRUE(wizard().isVisible());
    EXPECT_EQ(names(LoadServers()), (QStringList{"Alpha", "Bravo", "Charlie"}));

    type("txtName", "Home page");
    m_prompts.answer(TMsgResult::Yes);
    click("FinishButt");
    EXPECT_EQ(names(LoadServers()), (QStringList{"Alpha", "Bravo", "Charlie", "Home page"}));
}

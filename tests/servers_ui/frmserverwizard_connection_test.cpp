#include "serverwizardfixture.h"
#include "testftpserver.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

// The server page's Test connection button against a real FTP server on the loopback address.
class ServerWizardConnectionTest : public ServerWizardTest {
protected:
    // Adds a server by hand up to the server page, with the details of server.
    void fillServerPage(const TTestFtpServer &server, const QString &password)
    {
        open();
        click("NextButt");
        click("NextButt");
        ASSERT_EQ(page(), "tab2");
        type("txtName", "Loopback");
        type("txtAddress", server.Address());
        type("txtLogin", TTestFtpServer::User);
        type("txtPassword", password);
    }
    QString result() { return child<QLabel>("lblTestResult")->text(); }
};

TEST_F(ServerWizardConnectionTest, SaysWhatWorkedAndWhatFailed)
{
    TTestFtpServer server;
    fillServerPage(server, QString::fromLatin1(TTestFtpServer::Password));
    EXPECT_TRUE(result().isEmpty());
    click("butTest");
    // A new server uploads into "public_html", which the first upload makes.
    EXPECT_EQ(result(),
              "Logged in. The folder \"public_html\" is not there yet; it will be made when you upload.");
    EXPECT_FALSE(QFileInfo::exists(server.Root() + "/public_html"));

    ASSERT_TRUE(QDir(server.Root()).mkpath("public_html"));
    click("butTest");
    EXPECT_EQ(result(), "It works! Logged in and found the folder \"public_html\"; it is empty.");

    type("txtPassword", "guess");
    click("butTest");
    EXPECT_EQ(result(), "The server refused the login name or password. Please check both.");
    EXPECT_TRUE(child("butTest")->isEnabled());
    // Trying changes nothing in the list.
    EXPECT_EQ(LoadServers(), m_serverList);
}

TEST_F(ServerWizardConnectionTest, TheWizardStaysAliveAndCancelStopsATestInProgress)
{
    TTestFtpServer server({"--silent"});
    fillServerPage(server, "x");
    bool buttonWasDisabled = false;
    QString shownWhileTrying;
    QTimer::singleShot(300, [&] {
        buttonWasDisabled = !child("butTest")->isEnabled();
        shownWhileTrying = result();
        click("CancelButt");
    });
    QElapsedTimer clock;
    clock.start();
    click("butTest");
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(buttonWasDisabled);
    EXPECT_EQ(shownWhileTrying, "Trying to log in...");
    EXPECT_EQ(result(), "The test was stopped.");
    EXPECT_FALSE(wizard().isVisible());
    EXPECT_EQ(wizard().result(), QDialog::Rejected);
}

TEST_F(ServerWizardConnectionTest, AGeoCitiesServerIsTriedInTheFolderItWillUploadTo)
{
    // The upload goes to the provider's folder (the neighbourhood on the advanced page belongs
    // to the web address), and so must the test, before Finish as after it.
    TTestFtpServer server;
    TISPList definitions = isps();
    ASSERT_EQ(definitions[0].Name, "GeoCities");
    definitions[0].Address = server.Address();
    open(definitions);
    click("NextButt");
    chooseISP("GeoCities");
    click("NextButt");
    ASSERT_EQ(page(), "tab2");
    type("txtName", "Loopback");
    type("txtLogin", TTestFtpServer::User);
    type("txtPassword", QString::fromLatin1(TTestFtpServer::Password));
    click("butAdvanced");
    type("txtDirectory", "SoHo/Studios");
    type("txtURL", "2564");
    click("BackButt");
    ASSERT_EQ(page(), "tab2");
    click("butTest");
    EXPECT_EQ(result(), "It works! Logged in and found the folder \"/\"; it is empty.");
    // Trying stores nothing.
    EXPECT_EQ(LoadServers(), m_serverList);
}

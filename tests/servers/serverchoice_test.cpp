#include "serverchoice.h"
#include "settings.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <gtest/gtest.h>

TEST(ServerChoice, TheBoxListsNamedServersAndStartsOnTheLastOneChosen)
{
    tWWWServerType a, nameless, b;
    a.Name = "Alpha";
    b.Name = "Bravo";
    const TServerList servers{a, nameless, b};
    const QStringList names = ServerBoxNames(servers);
    EXPECT_EQ(names, (QStringList{"Alpha", "Bravo"}));
    EXPECT_EQ(ServerBoxSelection(names, "Bravo"), 1);
    // A server that is gone, or none remembered: the first.
    EXPECT_EQ(ServerBoxSelection(names, "Gone"), 0);
    EXPECT_EQ(ServerBoxSelection(names, QString()), 0);
    EXPECT_EQ(ServerBoxSelection({}, "Alpha"), -1);
    // The box's rows skip the nameless server; the server is found by its name.
    ASSERT_NE(FindServer(servers, names[1]), nullptr);
    EXPECT_EQ(FindServer(servers, names[1])->Name, "Bravo");
    EXPECT_EQ(FindServer(servers, "Gone"), nullptr);
}

TEST(ServerChoice, TheLastServerIsRememberedInTheServersGroup)
{
    TempSettings settings;
    TZorvinReg::createProductKey();
    EXPECT_EQ(ReadLastServer(), QString());
    WriteLastServer("Bravo");
    EXPECT_EQ(ReadLastServer(), "Bravo");
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Bravo");
}

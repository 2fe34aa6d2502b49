#include "serverstore.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ServersToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs zvtool with the settings store of the test and the given program folder.
ServersToolRun runTool(const QStringList &args, const TempSettings &settings, const QString &home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", settings.folder());
    env.insert("ZORVIN_HOME", home);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZVTOOL_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(ZvtoolServers, ListsTheStoredServersInOrderWithoutTheirPasswords)
{
    TempSettings settings;
    TZorvinReg::createProductKey();
    tWWWServerType a;
    a.Name = "Zebra site";
    a.Address = "ftp.zebra.test";
    a.UserName = "zed";
    a.Password = "TopSecret";
    a.URL = "http://zebra.test/";
    a.ISP = "Hosting with Plesk";
    a.Directory = "httpdocs";
    a.FlatDir = true;
    tWWWServerType b;
    b.Name = "Apple";
    b.Password = "x";
    ASSERT_TRUE(SaveServers({a, b}));

    QTemporaryDir home;
    const ServersToolRun run = runTool({"servers"}, settings, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out,
              "Zebra site\tftp.zebra.test\thttpdocs\tzed\thttp://zebra.test/\tHosting with Plesk\t1\n"
              "Apple\t\t\t\t\t\t0\n");
    EXPECT_FALSE(run.out.contains("TopSecret"));
    EXPECT_FALSE(run.err.contains("TopSecret"));
    EXPECT_EQ(runTool({"servers", "extra"}, settings, home.path()).exitCode, 1);
}

TEST(ZvtoolServers, ListsTheDefinitionsOfTheProgramFolderAndNamesTheSkippedOnes)
{
    TempSettings settings;
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("servers/broken.inf"));
    QFile file(home.filePath("servers/host.inf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Server Options]\nCreateDir=1\nLogin=0\n[Server Details]\nName=Host\nAddress=ftp.host.test\n"
               "Directory=www\nURL=http://host.test/~%login%/\n");
    file.close();
    const ServersToolRun run = runTool({"isps"}, settings, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "Host\tftp.host.test\twww\thttp://host.test/~%login%/\t1\t0\n");
    EXPECT_TRUE(run.err.contains("broken.inf"));

    const ServersToolRun shipped = runTool({"isps"}, settings, QStringLiteral(ZV_SOURCE_ROOT "/data"));
    EXPECT_TRUE(shipped.out.contains("GeoCities\tftp.geocities.com\t")) << shipped.out.constData();
}

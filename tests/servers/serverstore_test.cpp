#include "cryptpassword.h"
#include "serverstore.h"
#include "settings.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

tWWWServerType server(const QString &name, const QString &password = QStringLiteral("pw"))
{
    tWWWServerType s;
    s.Name = name;
    s.Address = "ftp." + name + ".test";
    s.Directory = "public_html";
    s.UserName = "user-" + name;
    s.Password = password;
    s.URL = "http://" + name + ".test/";
    return s;
}

QStringList names(const TServerList &servers)
{
    QStringList out;
    for (const tWWWServerType &s : servers)
        out << s.Name;
    return out;
}

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellory", "Zorvin Express");
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ServerStore : public ::testing::Test {
protected:
    void SetUp() override { TZorvinReg::createProductKey(); }
    TempSettings m_settings;
};

TEST_F(ServerStore, EveryFieldSurvivesASaveAndALoad)
{
    tWWWServerType full = server("Full", "s3cr3t!");
    full.ISP = "Hosting with cPanel";
    full.FlatDir = true;
    full.ExtendedA = "SoHo/Studios";
    full.ExtendedB = "2564";
    full.ExtendedC = "c";
    full.ExtendedD = "d, with a comma";
    full.ExtendedE = "e";
    tWWWServerType bare;
    bare.Name = "Bare";
    ASSERT_TRUE(SaveServers({full, bare}));

    const TServerList loaded = LoadServers();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0], full);
    EXPECT_EQ(loaded[1], bare);
    EXPECT_EQ(ReadServer("Full"), full);
    EXPECT_EQ(ReadServer("Missing"), tWWWServerType());
    EXPECT_EQ(ReadServer(""), tWWWServerType());

    // The stored values: a scrambled password, a number for the flag, no empty extended values.
    QSettings s = store();
    EXPECT_EQ(s.value("WWWServers/Full/Password").toString(), CryptPassword("s3cr3t!", TCryptMode::Encode));
    EXPECT_EQ(s.value("WWWServers/Full/FlatDir").toString(), "1");
    EXPECT_EQ(s.value("WWWServers/Bare/FlatDir").toString(), "0");
    EXPECT_FALSE(s.contains("WWWServers/Bare/ExtendedA"));
    EXPECT_FALSE(s.contains("WWWServers/Bare/ExtendedE"));
    EXPECT_EQ(s.value("WWWServers/Bare/Password").toString(), "");
    EXPECT_FALSE(fileBytes(m_settings.fileName()).contains("s3cr3t"));
}

TEST_F(ServerStore, SavingKeepsLastServerAndDropsNamelessAndRemovedServers)
{
    ASSERT_TRUE(SaveServers({server("One"), server("Two")}));
    WriteSetting("WWWServers", "LastServer", "Two");
    ASSERT_TRUE(SaveServers({server("Two"), server("")}));
    EXPECT_EQ(GetServerNames(), QStringList{"Two"});
    EXPECT_EQ(ReadSetting("WWWServers", "LastServer"), "Two");
    EXPECT_EQ(names(LoadServers()), QStringList{"Two"});

    // Two servers of one name are stored as one: the later wins.
    tWWWServerType twin = server("Two", "other");
    ASSERT_TRUE(SaveServers({server("Two"), twin}));
    EXPECT_EQ(LoadServers(), TServerList{twin});
}

TEST_F(ServerStore, TheUsersOrderSurvivesAndAnOlderListLoadsInNameOrder)
{
    ASSERT_TRUE(SaveServers({server("charlie"), server("Alpha"), server("bravo")}));
    EXPECT_EQ(names(LoadServers()), (QStringList{"charlie", "Alpha", "bravo"}));

    // A list written without places: a copy of the program that did not keep them.
    QSettings s = store();
    for (const char *name : {"charlie", "Alpha", "bravo"})
        s.remove(QStringLiteral("WWWServers/%1/Order").arg(QLatin1String(name)));
    s.setValue("WWWServers/delta/Address", "ftp.delta.test");
    s.setValue("WWWServers/delta/Order", "0");
    s.sync();
    EXPECT_EQ(names(LoadServers()), (QStringList{"delta", "Alpha", "bravo", "charlie"}));
}

TEST_F(ServerStore, DamagedValuesAreReadAsWellAsTheyCanBeAndReported)
{
    QSettings s = store();
    s.setValue("WWWServers/Hand/Password", "plain");
    s.setValue("WWWServers/Hand/FlatDir", "yes");
    s.setValue("WWWServers/Odd/Password", "not,numbers");
    s.setValue("WWWServers/Short/Password", CryptPassword("k", TCryptMode::Encode));
    s.sync();
    QStringList warnings;
    const TServerList loaded = LoadServers(&warnings);
    ASSERT_EQ(loaded.size(), 3);
    EXPECT_EQ(loaded[0].Name, "Hand");
    EXPECT_EQ(loaded[0].Password, "plain");
    EXPECT_FALSE(loaded[0].FlatDir);
    EXPECT_EQ(loaded[1].Password, "not,numbers");
    EXPECT_EQ(loaded[2].Password, "k");
    ASSERT_EQ(warnings.size(), 2) << warnings.join('\n').toStdString();
    // The warnings name the servers, never the passwords.
    EXPECT_TRUE(warnings[0].contains("Hand"));
    EXPECT_TRUE(warnings[1].contains("Odd"));
    EXPECT_FALSE(warnings.join('\n').contains("numbers\""));
    EXPECT_FALSE(warnings.join('\n').contains("not,"));
}

TEST_F(ServerStore, NamesWithSlashesAreRefusedRatherThanNested)
{
    EXPECT_FALSE(ServerNameProblem("a/b").isEmpty());
    EXPECT_FALSE(ServerNameProblem("a\\b").isEmpty());
    EXPECT_TRUE(ServerNameProblem("My Web Server: home (1)").isEmpty());
    QStringList warnings;
    ASSERT_TRUE(SaveServers({server("a/b"), server("ok"), server("c\\d")}, nullptr, &warnings));
    EXPECT_EQ(GetServerNames(), QStringList{"ok"});
    EXPECT_EQ(warnings.size(), 2);
}

#ifndef Q_OS_WIN
TEST_F(ServerStore, TheSettingsFileIsReadableByItsOwnerOnly)
{
    const QString file = m_settings.fileName();
    ASSERT_TRUE(SaveServers({server("One")}));
    WriteSetting("General", "PlaySounds", "No");
    ASSERT_TRUE(QFileInfo::exists(file));
    const QFileDevice::Permissions ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    EXPECT_EQ(QFile::permissions(file), ownerOnly);

    // A file made readable by others is tightened the next time the store is opened.
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ReadOther | QFile::ReadGroup);
    ReadSetting("General", "PlaySounds");
    EXPECT_FALSE(QFile::permissions(file) & (QFile::ReadOther | QFile::ReadGroup));
}

TEST_F(ServerStore, AStoreThatCannotBeReadIsNotWrittenOver)
{
    // A folder where the settings file should be: the store exists but cannot be read.
    const QString file = m_settings.fileName();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZV_SOURCE_ROOT "/data/servers/geocities.inf"), file + "/kept"));
    QString error;
    QStringList warnings;
    EXPECT_TRUE(LoadServers(&warnings).isEmpty());
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_FALSE(SaveServers({server("New")}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_TRUE(QFileInfo::exists(file + "/kept"));
}
#endif

#include "settings.h"
#include "tempsettings.h"
#include "zorvinreg.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QString General = QStringLiteral("General");

} // namespace

TEST(SettingsStore, WithoutTheProductKeyNothingIsReadOrWritten)
{
    TempSettings temp;
    EXPECT_FALSE(TZorvinReg::productKeyExists());
    EXPECT_EQ(ReadSetting(General, QStringLiteral("PlaySounds")), QString());
    WriteSetting(General, QStringLiteral("PlaySounds"), QStringLiteral("No"));
    EXPECT_FALSE(TZorvinReg::productKeyExists());
    EXPECT_FALSE(QFile::exists(temp.fileName()));
    // A false default neither creates the key nor finds anything.
    EXPECT_FALSE(ReadBoolSetting(General, QStringLiteral("SaveInfo"), false));
    EXPECT_FALSE(TZorvinReg::productKeyExists());
}

TEST(SettingsStore, OpenSubKeyCreatesTheProductKeyThatPersists)
{
    TempSettings temp;
    {
        TZorvinReg reg;
        EXPECT_TRUE(reg.OpenSubKey(QString(), TKeyAccess::OpenExisting));
        EXPECT_TRUE(reg.isOpen());
        EXPECT_TRUE(reg.currentPath().isEmpty());
    }
    EXPECT_TRUE(TZorvinReg::productKeyExists());
    // The marker is written to disk, so the key also exists for the next run.
    QSettings fresh(temp.fileName(), QSettings::IniFormat);
    EXPECT_FALSE(fresh.allKeys().isEmpty());

    EXPECT_EQ(ReadSetting(General, QStringLiteral("ShowJoy")), QStringLiteral("ERROR"));
    WriteSetting(General, QStringLiteral("ShowJoy"), QStringLiteral("No"));
    EXPECT_EQ(ReadSetting(General, QStringLiteral("ShowJoy")), QStringLiteral("No"));
    // Switches are plain text: "no" in lower case is not "No".
    WriteSetting(General, QStringLiteral("ShowJoy"), QStringLiteral("no"));
    EXPECT_NE(ReadSetting(General, QStringLiteral("ShowJoy")), QStringLiteral("No"));
}

TEST(SettingsStore, TrueDefaultCreatesTheProductKey)
{
    TempSettings temp;
    EXPECT_TRUE(ReadBoolSetting(General, QStringLiteral("SaveInfo"), true));
    EXPECT_TRUE(TZorvinReg::productKeyExists());
}

TEST(SettingsStore, ReadBoolSettingNumberRules)
{
    TempSettings temp;
    TZorvinReg::createProductKey();
    const auto boolOf = [](const QString &stored, bool defaultValue) {
        WriteSetting(General, QStringLiteral("Flag"), stored);
        return ReadBoolSetting(General, QStringLiteral("Flag"), defaultValue);
    };
    EXPECT_TRUE(boolOf(QStringLiteral("1"), false));
    EXPECT_FALSE(boolOf(QStringLiteral("0"), true));
    EXPECT_TRUE(boolOf(QStringLiteral("-7"), false));
    EXPECT_TRUE(boolOf(QStringLiteral("0x10"), false));
    EXPECT_FALSE(boolOf(QStringLiteral("0x0"), true));
    EXPECT_TRUE(boolOf(QStringLiteral("$A"), false));
    // Text that is no number gives the default: "No" with a true default reads as true.
    EXPECT_TRUE(boolOf(QStringLiteral("No"), true));
    EXPECT_FALSE(boolOf(QStringLiteral("Yes"), false));
    EXPECT_TRUE(boolOf(QString(), true));
    EXPECT_FALSE(boolOf(QStringLiteral("1x"), false));
    // A missing value gives the default.
    EXPECT_TRUE(ReadBoolSetting(General, QStringLiteral("Missing"), true));
    EXPECT_FALSE(ReadBoolSetting(General, QStringLiteral("Missing"), false));
}

TEST(SettingsStore, ParseSettingInteger)
{
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("  +42")), 42);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("-42")), -42);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("0xff")), 255);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("0XFF")), 255);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("0xFFFFFFFF")), -1);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("2147483648")), std::nullopt);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("0x100000000")), std::nullopt);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("0x")), std::nullopt);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("12 ")), std::nullopt);
    EXPECT_EQ(ParseSettingInteger(QStringLiteral("\u0661")), std::nullopt); // an Arabic-Indic digit
}

TEST(SettingsStore, TextsSurviveTheFileFormat)
{
    TempSettings temp;
    TZorvinReg::createProductKey();
    // Commas, equals signs, leading "@", quotes, semicolons and non-Latin text all come back as written.
    const QStringList values = {QStringLiteral("a, b, c"),
                                QStringLiteral("x=y"),
                                QStringLiteral("@Variant(0)"),
                                QStringLiteral("\"quoted\""),
                                QStringLiteral("; not a comment"),
                                QStringLiteral("\u4e2d\u6587"),
                                QStringLiteral("C:\\Program Files\\zv.exe"),
                                QStringLiteral("  spaced  ")};
    for (const QString &value : values) {
        WriteSetting(General, QStringLiteral("Path"), value);
        EXPECT_EQ(ReadSetting(General, QStringLiteral("Path")), value);
    }
    // A hand-edited value with commas is read back as the text it is.
    {
        QFile file(temp.fileName());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("\n[Hand]\nList=a, b\n");
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.folder() + QStringLiteral("/x"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.folder());
    EXPECT_EQ(ReadSetting(QStringLiteral("Hand"), QStringLiteral("List")), QStringLiteral("a, b"));
}

TEST(SettingsStore, SubKeysValuesAndDeletion)
{
    TempSettings temp;
    TZorvinReg reg;
    EXPECT_FALSE(reg.OpenSubKey(QStringLiteral("WWWServers"), TKeyAccess::OpenExisting));
    ASSERT_TRUE(reg.OpenSubKey(QStringLiteral("WWWServers\\My Server"), TKeyAccess::CreateMissing));
    EXPECT_EQ(reg.currentPath(), QStringLiteral("WWWServers/My Server"));
    // A created key exists even while it holds no value of its own.
    EXPECT_TRUE(reg.valueNames().isEmpty());
    reg.writeString(QStringLiteral("Address"), QStringLiteral("ftp.example.com"));
    reg.writeString(QStringLiteral("UserName"), QStringLiteral("jo"));
    EXPECT_TRUE(reg.valueExists(QStringLiteral("Address")));
    EXPECT_FALSE(reg.valueExists(QStringLiteral("URL")));
    EXPECT_EQ(reg.readString(QStringLiteral("URL")), QString()); // missing reads as empty here
    EXPECT_EQ(reg.valueNames(), (QStringList{QStringLiteral("Address"), QStringLiteral("UserName")}));

    ASSERT_TRUE(reg.OpenSubKey(QStringLiteral("WWWServers/Empty"), TKeyAccess::CreateMissing));
    ASSERT_TRUE(reg.OpenSubKey(QStringLiteral("WWWServers"), TKeyAccess::OpenExisting));
    reg.writeString(QStringLiteral("LastServer"), QStringLiteral("My Server"));
    EXPECT_EQ(reg.subKeyNames(), (QStringList{QStringLiteral("Empty"), QStringLiteral("My Server")}));
    EXPECT_EQ(ReadSetting(QStringLiteral("WWWServers\\My Server"), QStringLiteral("Address")),
              QStringLiteral("ftp.example.com"));

    EXPECT_TRUE(reg.deleteKey(QStringLiteral("My Server")));
    EXPECT_FALSE(reg.deleteKey(QStringLiteral("My Server")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("My Server")));
    EXPECT_TRUE(reg.keyExists(QStringLiteral("Empty")));

    // Deleting the whole list keeps the product key, and an emptied key keeps existing.
    ASSERT_TRUE(reg.OpenSubKey(QString(), TKeyAccess::OpenExisting));
    EXPECT_TRUE(reg.deleteKey(QStringLiteral("WWWServers")));
    EXPECT_TRUE(TZorvinReg::productKeyExists());
    EXPECT_EQ(ReadSetting(QStringLiteral("WWWServers"), QStringLiteral("LastServer")),
              QStringLiteral("ERROR"));
    ASSERT_TRUE(reg.OpenSubKey(QStringLiteral("General"), TKeyAccess::CreateMissing));
    reg.writeString(QStringLiteral("Only"), QStringLiteral("1"));
    EXPECT_TRUE(reg.deleteValue(QStringLiteral("Only")));
    EXPECT_TRUE(reg.OpenSubKey(QStringLiteral("General"), TKeyAccess::OpenExisting));

    // A closed accessor reads and writes nothing.
    reg.closeKey();
    reg.writeString(QStringLiteral("Ghost"), QStringLiteral("1"));
    EXPECT_EQ(ReadSetting(QString(), QStringLiteral("Ghost")), QStringLiteral("ERROR"));
    EXPECT_TRUE(reg.subKeyNames().isEmpty());
}

TEST(SettingsStore, ChangesAreSharedBetweenAccessors)
{
    TempSettings temp;
    TZorvinReg first;
    ASSERT_TRUE(first.OpenSubKey(QStringLiteral("General"), TKeyAccess::CreateMissing));
    first.writeString(QStringLiteral("ShowHTMLWarning"), QStringLiteral("No"));
    EXPECT_EQ(ReadSetting(General, QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));
    WriteSetting(General, QStringLiteral("ShowHTMLWarning"), QStringLiteral("Yes"));
    EXPECT_EQ(first.readString(QStringLiteral("ShowHTMLWarning")), QStringLiteral("Yes"));
}

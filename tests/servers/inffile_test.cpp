#include "inffile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(InfFile, ReadsSectionsWithCommentsOddSpacingAndAnyLineEnd)
{
    const QByteArray text = "; a comment line\r\n"
                            "# another\r\n"
                            "  [ Server Details ]  \r\n"
                            "Name   =   Example Hosting  \r\n"
                            "\tAddress=ftp.example.net\n"
                            "URL=\"http://%login%.example.net/\"\r"
                            "not a key line\n"
                            "=no key\n"
                            "[Server Options]\n"
                            "CreateDir = 1\n"
                            "login=0";
    const TInfFile file(text);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.readString("Server Details", "Name"), "Example Hosting");
    EXPECT_EQ(file.readString("server details", "ADDRESS"), "ftp.example.net");
    EXPECT_EQ(file.readString("Server Details", "URL"), "http://%login%.example.net/");
    EXPECT_TRUE(file.readBool("Server Options", "CreateDir", false));
    EXPECT_FALSE(file.readBool("Server Options", "Login", true));
    EXPECT_FALSE(file.contains("Server Details", "not a key line"));
    EXPECT_FALSE(file.contains("Server Details", ""));
}

TEST(InfFile, MissingKeysAndValuesThatAreNoNumbersGiveTheDefaults)
{
    const TInfFile file(
        QByteArray("Orphan=before any section\n[A]\nOne=1\nWord=yes\nHalf=2x\nHuge=99999999999\n"
                   "Neg=-3\nEmpty=\nOne=0\n"));
    EXPECT_EQ(file.readInteger("A", "One", 7), 1); // the first of two counts
    EXPECT_EQ(file.readInteger("A", "Word", 7), 7);
    EXPECT_EQ(file.readInteger("A", "Half", 7), 7);
    EXPECT_EQ(file.readInteger("A", "Huge", 7), 7);
    EXPECT_EQ(file.readInteger("A", "Neg", 7), -3);
    EXPECT_EQ(file.readInteger("A", "Empty", 7), 7);
    EXPECT_EQ(file.readInteger("A", "Missing", 7), 7);
    EXPECT_EQ(file.readInteger("B", "One", 7), 7);
    EXPECT_TRUE(file.readBool("A", "Word", true));
    EXPECT_EQ(file.readString("A", "Missing", "dflt"), "dflt");
    EXPECT_FALSE(file.contains("", "Orphan"));
}

TEST(InfFile, BytesThatAreNoTextAreRefusedWithAReason)
{
    const char bytes[] = "[Server Details]\nName=X\n\0\x01\x02";
    const TInfFile binary(QByteArray(bytes, sizeof bytes - 1));
    EXPECT_FALSE(binary.ok());
    EXPECT_FALSE(binary.error().isEmpty());
    EXPECT_FALSE(binary.contains("Server Details", "Name"));

    EXPECT_FALSE(TInfFile(QByteArray(TInfFile::MaxSize + 1, 'a')).ok());
    EXPECT_FALSE(TInfFile::fromFile(QStringLiteral("/nonexistent/x.inf")).ok());

    // Text in the single-byte code page and UTF-8 text with its mark both read.
    EXPECT_EQ(TInfFile(QByteArray("[S]\nName=Caf\xE9\n")).readString("S", "Name"), QStringLiteral("Café"));
    EXPECT_EQ(TInfFile(QByteArray("\xEF\xBB\xBF[S]\nName=Caf\xC3\xA9\n")).readString("S", "Name"),
              QStringLiteral("Café"));
}

#include "cryptpassword.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(CryptPassword, StoresEachCharacterAsANumberAndReadsItBack)
{
    const QString stored = CryptPassword(QStringLiteral("abc"), TCryptMode::Encode);
    // 'a' ^ 'Q', 'b' ^ 'u', 'c' ^ 'i'
    EXPECT_EQ(stored, QStringLiteral("48,23,10"));
    EXPECT_EQ(CryptPassword(stored, TCryptMode::Decode), QStringLiteral("abc"));

    // The key repeats after its nineteenth character.
    const QString twenty = QStringLiteral("aaaaaaaaaaaaaaaaaaaa");
    const QStringList numbers = CryptPassword(twenty, TCryptMode::Encode).split(QLatin1Char(','));
    ASSERT_EQ(numbers.size(), 20);
    EXPECT_EQ(numbers.first(), numbers.last());
    EXPECT_EQ(CryptPassword(numbers.join(QLatin1Char(',')), TCryptMode::Decode), twenty);

    EXPECT_EQ(CryptPassword(QString(), TCryptMode::Encode), QString());
    EXPECT_EQ(CryptPassword(QString(), TCryptMode::Decode), QString());
}

TEST(CryptPassword, EveryCharacterOfTheCodePageSurvivesTheRoundTrip)
{
    // Passwords with characters that xor to a comma, a digit or a zero byte, accents and signs.
    const QStringList passwords = {QStringLiteral("Quiet"), QStringLiteral("} ~%&@:"),
                                   QStringLiteral("ünïcødé€"),
                                   QStringLiteral("pass word with spaces and, commas")};
    for (const QString &password : passwords) {
        const QString stored = CryptPassword(password, TCryptMode::Encode);
        EXPECT_FALSE(stored.contains(QLatin1Char(' '))) << stored.toStdString();
        EXPECT_EQ(CryptPassword(stored, TCryptMode::Decode), password) << stored.toStdString();
    }
}

TEST(CryptPassword, AOneCharacterPasswordReadsBackAsItself)
{
    for (const QString &password : {QStringLiteral("x"), QStringLiteral("7"), QStringLiteral(",")}) {
        const QString stored = CryptPassword(password, TCryptMode::Encode);
        EXPECT_TRUE(stored.endsWith(QLatin1Char(','))) << stored.toStdString();
        EXPECT_EQ(CryptPassword(stored, TCryptMode::Decode), password);
    }
}

TEST(CryptPassword, StoredValuesTheScramblerDidNotWriteAreReadAsTheyStand)
{
    // Without a comma: a password typed into the store by hand.
    EXPECT_EQ(CryptPassword(QStringLiteral("secret"), TCryptMode::Decode), QStringLiteral("secret"));
    EXPECT_EQ(CryptPassword(QStringLiteral("12"), TCryptMode::Decode), QStringLiteral("12"));
    // Commas, but pieces that are no numbers from 0 to 255.
    for (const char *stored : {"ab,cd", "1,256", "1,,2", "1,-2", ",", "1,2,", "0x1,2", "1234,5"})
        EXPECT_EQ(CryptPassword(QString::fromLatin1(stored), TCryptMode::Decode),
                  QString::fromLatin1(stored));
    EXPECT_FALSE(IsScrambledPassword(QStringLiteral("1,2,")));
    // A list edited by hand with spaces after its commas is still a list.
    EXPECT_EQ(CryptPassword(QStringLiteral("48, 23, 10"), TCryptMode::Decode), QStringLiteral("abc"));
}

#include "cryptpassword.h"

#include "textcodec.h"

#include <QStringList>

#include <optional>

namespace {

constexpr qsizetype kKeyLength = sizeof(PasswordKey) - 1;
static_assert(kKeyLength == 19, "the stored format depends on a 19-character key");

// The numbers of a stored value, or nothing when it is not a list the scrambler writes.
std::optional<QByteArray> storedBytes(const QString &stored)
{
    if (!stored.contains(QLatin1Char(',')))
        return std::nullopt;
    QStringList pieces = stored.split(QLatin1Char(','));
    // The one trailing comma that marks a one-character password.
    if (pieces.size() == 2 && pieces.last().trimmed().isEmpty())
        pieces.removeLast();
    QByteArray bytes;
    bytes.reserve(pieces.size());
    for (const QString &piece : pieces) {
        // A value edited by hand may have spaces after its commas.
        const QString digits = piece.trimmed();
        if (digits.isEmpty() || digits.size() > 3)
            return std::nullopt;
        int value = 0;
        for (QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
            value = value * 10 + (c.unicode() - '0');
        }
        if (value > 255)
            return std::nullopt;
        bytes.append(char(value));
    }
    return bytes;
}

} // namespace

QByteArray XorWithKey(const QByteArray &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = char(text[i] ^ PasswordKey[i % kKeyLength]);
    return out;
}

QString CryptPassword(const QString &text, TCryptMode mode)
{
    if (mode == TCryptMode::Decode) {
        const std::optional<QByteArray> bytes = storedBytes(text);
        return bytes ? DecodePageText(XorWithKey(*bytes)) : text;
    }
    const QByteArray scrambled = XorWithKey(EncodePageText(text));
    QStringList numbers;
    numbers.reserve(scrambled.size());
    for (char c : scrambled)
        numbers << QString::number(uchar(c));
    QString stored = numbers.join(QLatin1Char(','));
    if (numbers.size() == 1)
        stored += QLatin1Char(',');
    return stored;
}

bool IsScrambledPassword(const QString &stored)
{
    return storedBytes(stored).has_value();
}

#include "inffile.h"

#include "textcodec.h"

#include <QFile>
#include <QStringConverter>

#include <climits>

namespace {

QString decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    auto utf8 = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodePageText(bytes.toByteArray());
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

TInfFile::TInfFile(QByteArrayView bytes)
{
    if (bytes.size() > MaxSize) {
        m_error = QStringLiteral("the file is too large to be a definition (%1 bytes)").arg(bytes.size());
        return;
    }
    if (bytes.contains('\0')) {
        m_error = QStringLiteral("the file is not a text file");
        return;
    }
    parse(decodeText(bytes));
}

TInfFile TInfFile::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TInfFile failed;
        failed.m_error = file.errorString();
        return failed;
    }
    // One byte beyond the limit is enough to tell that the file is too large.
    return TInfFile(file.read(MaxSize + 1));
}

void TInfFile::parse(const QString &text)
{
    QHash<QString, QString> *section = nullptr;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(start, end - start).trimmed();
        start = end + 1;
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
            ++start;

        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0) {
                section = nullptr;
                continue;
            }
            section = &m_sections[fold(line.mid(1, close - 1).trimmed())];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!section || equals <= 0)
            continue;
        const QString key = fold(line.left(equals).trimmed());
        if (key.isEmpty() || section->contains(key))
            continue;
        section->insert(key, unquoted(line.mid(equals + 1).trimmed()));
    }
}

bool TInfFile::contains(const QString &section, const QString &key) const
{
    const auto found = m_sections.constFind(fold(section));
    return found != m_sections.cend() && found->contains(fold(key));
}

QString TInfFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const auto found = m_sections.constFind(fold(section));
    if (found == m_sections.cend())
        return defaultValue;
    return found->value(fold(key), defaultValue);
}

int TInfFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    if (!contains(section, key))
        return defaultValue;
    return ParseInfInteger(readString(section, key)).value_or(defaultValue);
}

bool TInfFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> ParseInfInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+'))) {
        negative = trimmed[i] == QLatin1Char('-');
        ++i;
    }
    if (i == trimmed.size())
        return std::nullopt;
    long long value = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return int(value);
}

#include "settings.h"

#include "zorvinreg.h"

#include <QSettings>

#include <cctype>
#include <climits>

namespace {

QString valuePath(const QString &section, const QString &name)
{
    const QString group = SettingsStore::normalisedPath(section);
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

} // namespace

QString ReadSetting(const QString &section, const QString &name)
{
    auto store = SettingsStore::open();
    if (!SettingsStore::groupExists(*store, QString()))
        return QString();
    const QVariant value = store->value(valuePath(section, name));
    if (!value.isValid())
        return QStringLiteral("ERROR");
    return SettingsStore::valueText(value);
}

void WriteSetting(const QString &section, const QString &name, const QString &value)
{
    auto store = SettingsStore::open();
    if (!SettingsStore::groupExists(*store, QString()) || name.isEmpty())
        return;
    store->setValue(valuePath(section, name), value);
}

bool ReadBoolSetting(const QString &section, const QString &name, bool defaultValue)
{
    auto store = SettingsStore::open();
    if (defaultValue)
        SettingsStore::markKey(*store, QString());
    else if (!SettingsStore::groupExists(*store, QString()))
        return false;
    const QVariant value = store->value(valuePath(section, name));
    if (!value.isValid())
        return defaultValue;
    const std::optional<int> number = ParseSettingInteger(SettingsStore::valueText(value));
    return number ? *number != 0 : defaultValue;
}

std::optional<int> ParseSettingInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (text.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    } else if (i < text.size() && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    }
    const QString digits = text.mid(i);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits) {
        const bool ok =
            base == 10 ? c.isDigit() && c.unicode() < 128 : (c.unicode() < 128 && std::isxdigit(c.unicode()));
        if (!ok)
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    const qlonglong value = negative ? -magnitude : magnitude;
    // Hexadecimal numbers fill all 32 bits, so 0xFFFFFFFF reads as -1, as stored numbers always have.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL)
        return static_cast<int>(static_cast<quint32>(magnitude));
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

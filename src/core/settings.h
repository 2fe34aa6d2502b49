#pragma once

#include <QString>

#include <optional>

// Section-and-value access to the settings store (see TZorvinReg). Sections are subkeys of the
// product key: "General" holds the program's switches, "WWWServers" the server list.

// The named value of section, or "ERROR" when the value is missing. Empty text when the product
// key does not exist (so every switch that is off only when it reads "No" counts as on).
QString ReadSetting(const QString &section, const QString &name);

// Writes the value under section (creating the section) - but only when the product key exists;
// otherwise nothing is written.
void WriteSetting(const QString &section, const QString &name, const QString &value);

// Whether the value, read as a whole number, is non-zero. Text that is no number, and a missing
// value, give defaultValue. The product key is created when defaultValue is true; when it does not
// exist the result is false.
bool ReadBoolSetting(const QString &section, const QString &name, bool defaultValue);

// A stored number: optional spaces and sign, then decimal digits, or hexadecimal after "0x" or
// "$". Nothing when the text is not such a number or does not fit in 32 bits.
std::optional<int> ParseSettingInteger(const QString &text);

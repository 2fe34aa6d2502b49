#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// Whether opening a key may create it when it is missing.
enum class TKeyAccess { OpenExisting, CreateMissing };

// The program's accessor for its settings store: the product key (organisation "Pellory",
// application "Zorvin Express") of the current user, kept by QSettings in its native format - the
// registry on Windows, ~/.config/Pellory/Zorvin Express.conf elsewhere. Subkeys are groups.
//
// A settings file has no notion of an empty key, so a key exists here once it holds anything.
// Creating a key that would otherwise be empty stores an empty value named "Default" in it (on
// Windows that is the key's own default value); that value is never listed as a value name.
//
// Paths of subkeys may use "\" or "/" between their parts.
class TZorvinReg {
public:
    TZorvinReg();
    ~TZorvinReg();
    TZorvinReg(const TZorvinReg &) = delete;
    TZorvinReg &operator=(const TZorvinReg &) = delete;

    // Closes whatever key is open, opens the product key (creating it when missing) and then, when
    // subKey is not empty, opens that subkey below it. Returns whether the subkey could be opened;
    // an empty subKey returns true with the product key open.
    bool OpenSubKey(const QString &subKey, TKeyAccess access);
    void closeKey();
    bool isOpen() const { return m_open; }
    // The open key relative to the product key, with "/" between the parts; empty for the product key.
    QString currentPath() const { return m_path; }

    // Values of the open key. A missing value reads as empty text; writes go to the open key.
    bool valueExists(const QString &name) const;
    QString readString(const QString &name) const;
    void writeString(const QString &name, const QString &value);
    bool deleteValue(const QString &name);
    QStringList valueNames() const;

    // Subkeys relative to the open key.
    bool keyExists(const QString &subKey) const;
    QStringList subKeyNames() const;
    // Deletes the subkey with everything below it; false when it did not exist.
    bool deleteKey(const QString &subKey);

    // Writes pending changes to the store; false when the store could not be written.
    bool flush();
    // False when the store exists but could not be read (unreadable, or not in the store's format):
    // writing it then would replace what could not be read.
    bool readable() const;

    // Whether the product key exists, and creating it, without a TZorvinReg object.
    static bool productKeyExists();
    static void createProductKey();

private:
    QString absolute(const QString &relative) const;

    std::unique_ptr<QSettings> m_store;
    bool m_open = false;
    QString m_path;
};

// Helpers shared by the accessor and the section-and-value functions.
namespace SettingsStore {
// A fresh QSettings object on the product key; a file of the store that others may read is
// tightened first.
std::unique_ptr<QSettings> open();
enum class TFileCreation { KeepMissing, CreateMissing };
// Makes the store's file readable and writable by its owner only; with CreateMissing a missing
// file is created empty that way, so that nothing is ever written into a file others can read.
void protectFile(const QString &fileName, TFileCreation creation);
// "\" becomes "/", doubled and outer separators go.
QString normalisedPath(const QString &path);
bool groupExists(QSettings &store, const QString &path);
// Stores the marker value that makes an empty key exist.
void markKey(QSettings &store, const QString &path);
// A stored value as text; a list (a hand-edited value with commas) is joined again.
QString valueText(const QVariant &value);
// The name of the marker value.
inline constexpr const char *MarkerName = "Default";
} // namespace SettingsStore

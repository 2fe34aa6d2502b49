#include "zorvinreg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace SettingsStore {

std::unique_ptr<QSettings> open()
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Pellory"), QStringLiteral("Zorvin Express"));
    protectFile(store->fileName(), TFileCreation::KeepMissing);
    return store;
}

void protectFile(const QString &fileName, TFileCreation creation)
{
#ifdef Q_OS_WIN
    Q_UNUSED(fileName);
    Q_UNUSED(creation);
#else
    // The store holds the passwords of the user's web servers, so it is made, before anything is
    // written to it, readable by its owner only; a file made looser by hand is tightened again.
    // The store's writer replaces the file by a new one with the old file's permissions.
    constexpr QFileDevice::Permissions ownerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
    const QFileInfo info(fileName);
    if (!info.exists()) {
        if (creation == TFileCreation::KeepMissing || !QDir().mkpath(info.absolutePath()))
            return;
        QFile file(fileName);
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly);
        return;
    }
    if (info.isFile() && (info.permissions() & ~ownerOnly).toInt() != 0)
        QFile::setPermissions(fileName, info.permissions() & ownerOnly);
#endif
}

QString normalisedPath(const QString &path)
{
    QString out = path;
    out.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (out.contains(QLatin1String("//")))
        out.replace(QLatin1String("//"), QLatin1String("/"));
    while (out.startsWith(QLatin1Char('/')))
        out.remove(0, 1);
    while (out.endsWith(QLatin1Char('/')))
        out.chop(1);
    return out;
}

bool groupExists(QSettings &store, const QString &path)
{
    store.beginGroup(path);
    const bool exists = !store.allKeys().isEmpty();
    store.endGroup();
    return exists;
}

void markKey(QSettings &store, const QString &path)
{
    if (groupExists(store, path))
        return;
    store.beginGroup(path);
    store.setValue(QLatin1String(MarkerName), QString());
    store.endGroup();
}

QString valueText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

} // namespace SettingsStore

using namespace SettingsStore;

TZorvinReg::TZorvinReg() : m_store(SettingsStore::open()) {}

TZorvinReg::~TZorvinReg() = default;

bool TZorvinReg::productKeyExists()
{
    auto store = SettingsStore::open();
    return groupExists(*store, QString());
}

void TZorvinReg::createProductKey()
{
    auto store = SettingsStore::open();
    markKey(*store, QString());
}

bool TZorvinReg::flush()
{
    m_store->sync();
    protectFile(m_store->fileName(), TFileCreation::KeepMissing);
    return m_store->status() == QSettings::NoError;
}

bool TZorvinReg::readable() const
{
    return m_store->status() == QSettings::NoError;
}

bool TZorvinReg::OpenSubKey(const QString &subKey, TKeyAccess access)
{
    closeKey();
    // Opening a key writes the product key's marker, so this is where the file comes to be.
    protectFile(m_store->fileName(), TFileCreation::CreateMissing);
    markKey(*m_store, QString());
    m_open = true;
    const QString path = normalisedPath(subKey);
    if (path.isEmpty())
        return true;
    if (!groupExists(*m_store, path)) {
        if (access == TKeyAccess::OpenExisting)
            return false;
        markKey(*m_store, path);
    }
    m_path = path;
    return true;
}

void TZorvinReg::closeKey()
{
    m_open = false;
    m_path.clear();
}

QString TZorvinReg::absolute(const QString &relative) const
{
    const QString rel = normalisedPath(relative);
    if (m_path.isEmpty())
        return rel;
    return rel.isEmpty() ? m_path : m_path + QLatin1Char('/') + rel;
}

bool TZorvinReg::valueExists(const QString &name) const
{
    return m_open && !name.isEmpty() && m_store->contains(absolute(name));
}

QString TZorvinReg::readString(const QString &name) const
{
    if (!valueExists(name))
        return QString();
    return valueText(m_store->value(absolute(name)));
}

void TZorvinReg::writeString(const QString &name, const QString &value)
{
    if (!m_open || normalisedPath(name).isEmpty())
        return;
    m_store->setValue(absolute(name), value);
}

bool TZorvinReg::deleteValue(const QString &name)
{
    if (!valueExists(name))
        return false;
    m_store->remove(absolute(name));
    // A key that loses its last value keeps existing, as it would in the registry.
    markKey(*m_store, m_path);
    return true;
}

QStringList TZorvinReg::valueNames() const
{
    if (!m_open)
        return {};
    m_store->beginGroup(m_path);
    QStringList names = m_store->childKeys();
    m_store->endGroup();
    names.removeAll(QLatin1String(MarkerName));
    return names;
}

bool TZorvinReg::keyExists(const QString &subKey) const
{
    const QString path = normalisedPath(subKey);
    return m_open && !path.isEmpty() && groupExists(*m_store, absolute(path));
}

QStringList TZorvinReg::subKeyNames() const
{
    if (!m_open)
        return {};
    m_store->beginGroup(m_path);
    const QStringList names = m_store->childGroups();
    m_store->endGroup();
    return names;
}

bool TZorvinReg::deleteKey(const QString &subKey)
{
    if (!keyExists(subKey))
        return false;
    m_store->remove(absolute(subKey));
    markKey(*m_store, m_path);
    return true;
}

#include "tempsettings.h"

#include <QSettings>

namespace {

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                     QStringLiteral("Zorvin Express"));
}

} // namespace

TempSettings::TempSettings() : m_previousConfigHome(qgetenv("XDG_CONFIG_HOME"))
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    // Whatever asks the platform for its configuration folder is sent here too.
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
}

TempSettings::~TempSettings()
{
    // Point the store at a folder that vanishes with the test, never back at the user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/gone"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/gone"));
    if (m_previousConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_previousConfigHome);
}

QString TempSettings::fileName() const
{
    return store().fileName();
}

void TempSettings::setGeneral(const QString &name, const QString &value)
{
    store().setValue(QStringLiteral("General/") + name, value);
}

QString TempSettings::general(const QString &name)
{
    return store().value(QStringLiteral("General/") + name).toString();
}

#include "tempsettings.h"

#include <QSettings>

TempSettings::TempSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

TempSettings::~TempSettings()
{
    // Point the store at a folder that vanishes with the test, never back at the user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/gone"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/gone"));
}

QString TempSettings::fileName() const
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                     QStringLiteral("Zorvin Express"))
        .fileName();
}

#pragma once

// Stand-ins for the folder and settings functions of the application shell, with the same
// names and meaning, used until the shell's own ones are available to this library.

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

inline QString ProgramFolder()
{
    QString folder = qEnvironmentVariable("ZORVIN_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir::fromNativeSeparators(folder);
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
inline QString HTMLFolder() { return ProgramFolder() + QStringLiteral("HTMLFiles/"); }
inline QString SaveFolder() { return ProgramFolder() + QStringLiteral("save/"); }
inline QString TemplateFolder() { return ProgramFolder() + QStringLiteral("template/"); }

inline QString ReadSetting(const QString &section, const QString &name)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                    QStringLiteral("Zorvin Express"));
    return store.value(section + QLatin1Char('/') + name, QStringLiteral("ERROR")).toString();
}
inline void WriteSetting(const QString &section, const QString &name, const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellory"),
                    QStringLiteral("Zorvin Express"));
    store.setValue(section + QLatin1Char('/') + name, value);
}

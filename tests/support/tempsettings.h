#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Redirects the program's settings store into a fresh temporary folder for the lifetime of the
// object, so tests never read or change the real user's settings. Every test that creates
// something which reads settings holds one (the main window's fixture does so for its tests).
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    TempSettings(const TempSettings &) = delete;
    TempSettings &operator=(const TempSettings &) = delete;

    QString folder() const { return m_dir.path(); }
    // The file the settings store writes on this platform.
    QString fileName() const;

    // A switch of the "General" section, written and read directly in the store.
    static void setGeneral(const QString &name, const QString &value);
    static QString general(const QString &name);

private:
    QTemporaryDir m_dir;
    QByteArray m_previousConfigHome;
};

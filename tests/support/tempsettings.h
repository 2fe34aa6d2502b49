#pragma once

#include <QTemporaryDir>

// Redirects the program's settings store into a fresh temporary folder for the lifetime of the
// object, so tests never read or change the real user's settings.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    TempSettings(const TempSettings &) = delete;
    TempSettings &operator=(const TempSettings &) = delete;

    QString folder() const { return m_dir.path(); }
    // The file the settings store writes on this platform.
    QString fileName() const;

private:
    QTemporaryDir m_dir;
};

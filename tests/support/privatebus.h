#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A session bus of the test's own: a dbus-daemon started in a temporary folder with a minimal
// configuration, stopped when the object goes. Nothing else talks on it.
class TPrivateBus {
public:
    TPrivateBus();
    ~TPrivateBus();

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};

// The stand-in editor on a private bus: serves the editor's automation object until stopped.
class TFakeEditor {
public:
    enum class TMode { Answer, Silent };

    // Starts the stand-in at fakeEditorPath and waits until it owns the editor's name.
    TFakeEditor(const QString &fakeEditorPath, const QString &busAddress, TMode mode, const QString &appPath);
    ~TFakeEditor();

    bool isReady() const { return m_ready; }
    void stop();

private:
    QProcess m_process;
    bool m_ready = false;
};

#include "privatebus.h"

#include <QFile>

namespace {

constexpr int kStartMs = 10000;

} // namespace

TPrivateBus::TPrivateBus()
{
    if (!m_dir.isValid())
        return;
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>session</type>\n"
               "  <listen>unix:dir=" +
               m_dir.path().toLocal8Bit() +
               "</listen>\n"
               "  <auth>EXTERNAL</auth>\n"
               "  <policy context=\"default\">\n"
               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
               "    <allow eavesdrop=\"true\"/>\n"
               "    <allow own=\"*\"/>\n"
               "  </policy>\n"
               "</busconfig>\n");
    file.close();
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(kStartMs))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(kStartMs)) {
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
}

TPrivateBus::~TPrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(kStartMs))
            m_daemon.kill();
        m_daemon.waitForFinished(kStartMs);
    }
}

TFakeEditor::TFakeEditor(const QString &fakeEditorPath, const QString &busAddress, TMode mode,
                         const QString &appPath)
{
    m_process.start(
        fakeEditorPath,
        {busAddress, mode == TMode::Silent ? QStringLiteral("silent") : QStringLiteral("answer"), appPath});
    if (!m_process.waitForStarted(kStartMs))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kStartMs)) {
    }
    m_ready = m_process.readLine().trimmed() == "ready";
}

TFakeEditor::~TFakeEditor()
{
    stop();
}

void TFakeEditor::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStartMs))
        m_process.kill();
    m_process.waitForFinished(kStartMs);
}

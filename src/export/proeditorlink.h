#pragma once

#include <QDBusConnection>
#include <QString>

#include <optional>

// The line to the professional editor, a separate program that serves its automation object on
// the user's session bus. The editor counts as running when it owns its service name there; the
// only call this program relies on is "GetAppPath", the editor's program folder.
class TProEditorLink {
public:
    // The names the editor serves its automation object under.
    static const QString kService;
    static const QString kObjectPath;
    static const QString kInterface;

    // The user's session bus; without one (no bus address in the environment) the link stays
    // unconnected and the editor is never found.
    static QDBusConnection sessionBus();

    // How long a call waits for the editor before it counts as not answering. The editor's
    // folder lives on the local disk, so a healthy editor answers at once.
    static int callTimeout();
    static void setCallTimeout(int ms);

    explicit TProEditorLink(const QDBusConnection &bus = sessionBus());

    // Looks for the editor once, when the main window is created. When it runs, its folders for
    // pages, pictures and backgrounds are created. Errors are never shown: an editor that does
    // not answer is still taken as running, and the export then reports that it could not talk
    // to it. Returns ProEditorRunning.
    bool ZorvinRunning();
    bool ProEditorRunning() const { return m_running; }

    // The editor's program folder; none when the editor is gone, does not answer in time or
    // answers with something other than a folder name.
    std::optional<QString> GetAppPath() const;

private:
    QDBusConnection m_bus;
    bool m_running = false;
};

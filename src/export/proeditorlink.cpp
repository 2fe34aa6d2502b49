#include "proeditorlink.h"

#include "forcefolders.h"
#include "helpers.h"

#include <QDBusMessage>

const QString TProEditorLink::kService = QStringLiteral("Zorvin4.Plugin");
const QString TProEditorLink::kObjectPath = QStringLiteral("/Zorvin4/Plugin");
const QString TProEditorLink::kInterface = QStringLiteral("Zorvin4.Plugin");

namespace {

int g_callTimeout = 3000;

} // namespace

QDBusConnection TProEditorLink::sessionBus()
{
    // Without a bus address the bus library would try to start a bus of its own; there is no
    // editor to find on a bus nobody else uses.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return QDBusConnection(QStringLiteral("zv-no-session-bus"));
    return QDBusConnection::sessionBus();
}

int TProEditorLink::callTimeout()
{
    return g_callTimeout;
}

void TProEditorLink::setCallTimeout(int ms)
{
    g_callTimeout = ms;
}

TProEditorLink::TProEditorLink(const QDBusConnection &bus) : m_bus(bus) {}

bool TProEditorLink::ZorvinRunning()
{
    m_running = false;
    if (!m_bus.isConnected())
        return false;
    // Asked of the bus itself, with the same patience as the editor is given: a bus that does
    // not answer must not hold up the window's creation.
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << kService;
    const QDBusMessage owned = m_bus.call(ask, QDBus::Block, g_callTimeout);
    m_running = owned.type() == QDBusMessage::ReplyMessage && owned.arguments().size() == 1 &&
                owned.arguments().front().toBool();
    if (!m_running)
        return false;
    if (const std::optional<QString> appPath = GetAppPath()) {
        ForceFolders(PathJoin(*appPath, QStringLiteral("HTMLFiles/backgrnd")));
        ForceFolders(PathJoin(*appPath, QStringLiteral("HTMLFiles/Graphics")));
    }
    return m_running;
}

std::optional<QString> TProEditorLink::GetAppPath() const
{
    if (!m_bus.isConnected())
        return std::nullopt;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kObjectPath, kInterface, QStringLiteral("GetAppPath"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, g_callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return std::nullopt;
    const QVariant value = reply.arguments().front();
    if (value.metaType().id() != QMetaType::QString || value.toString().isEmpty())
        return std::nullopt;
    return value.toString();
}

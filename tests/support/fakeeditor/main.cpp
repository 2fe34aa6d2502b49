// zv_fakeeditor <bus address> <answer|silent> <program folder>
// Owns the editor's service name on the given bus and serves "GetAppPath". "silent" takes every
// call and never replies, like an editor that hangs. Prints "ready" once the name is owned.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QThread>

#include <cstdio>

class TFakeEditorPlugin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Zorvin4.Plugin")
public:
    TFakeEditorPlugin(QString appPath, bool silent) : m_appPath(std::move(appPath)), m_silent(silent) {}

public slots:
    QString GetAppPath(const QDBusMessage &message)
    {
        if (m_silent) {
            // The call is taken and never answered.
            message.setDelayedReply(true);
            return QString();
        }
        return m_appPath;
    }

private:
    QString m_appPath;
    bool m_silent;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: zv_fakeeditor <bus address> <answer|silent> <program folder>\n");
        return 2;
    }
    QDBusConnection bus =
        QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("editor"));
    TFakeEditorPlugin plugin(QString::fromLocal8Bit(argv[3]), qstrcmp(argv[2], "silent") == 0);
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/Zorvin4/Plugin"), &plugin, QDBusConnection::ExportAllSlots)) {
        std::fprintf(stderr, "zv_fakeeditor: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    // A stand-in stopped just before may still hold the name for a moment, until the bus has
    // noticed that it is gone.
    bool owned = bus.registerService(QStringLiteral("Zorvin4.Plugin"));
    for (int attempt = 0; !owned && attempt < 40; ++attempt) {
        QThread::msleep(50);
        owned = bus.registerService(QStringLiteral("Zorvin4.Plugin"));
    }
    if (!owned) {
        std::fprintf(stderr, "zv_fakeeditor: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "main.moc"

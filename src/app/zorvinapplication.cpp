#include "zorvinapplication.h"

#include "mediabackend.h"
#include "prompts.h"
#include "testmode.h"

#include <exception>

TZorvinApplication::TZorvinApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    PrepareMediaBackend();
    setIdentity();
}

void TZorvinApplication::setIdentity()
{
    setOrganizationName(QStringLiteral("Pellory"));
    setApplicationName(QStringLiteral("Zorvin Express"));
    setApplicationVersion(QStringLiteral("1.11"));
    // No display name is set: the platform would append it to every window's and dialog's
    // caption, and the program's captions are exactly the texts it gives them.
    // Ties the windows to the installed menu entry, so the desktop shows its name and icon.
    setDesktopFileName(QStringLiteral("com.pellory.ZorvinExpress"));
}

bool TZorvinApplication::notify(QObject *receiver, QEvent *event)
{
    return deliverGuarded([&] { return QApplication::notify(receiver, event); },
                          [this](const QString &what) { reportError(what); });
}

bool TZorvinApplication::deliverGuarded(const std::function<bool()> &deliver,
                                        const std::function<void(const QString &)> &onError)
{
    try {
        return deliver();
    } catch (const std::exception &error) {
        onError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        onError(QStringLiteral("Unknown error."));
    }
    return false;
}

void TZorvinApplication::reportError(const QString &what)
{
    ++m_discardedErrors;
    // The user is not bothered with it, but whoever runs the program from a terminal or reads
    // its log sees what went wrong.
    qWarning("Zorvin Express: an error reached the event loop and was discarded: %s", qUtf8Printable(what));
    if constexpr (DebugMode)
        Prompts::current().message(TMsgKind::Error, what, TMsgButtons::Ok);
}

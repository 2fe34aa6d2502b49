#include "zorvinapplication.h"

#include "prompts.h"
#include "testmode.h"

#include <exception>

TZorvinApplication::TZorvinApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Pellory"));
    setApplicationName(QStringLiteral("Zorvin Express"));
    setApplicationDisplayName(QStringLiteral("Zorvin Express"));
    setApplicationVersion(QStringLiteral("1.11"));
}

bool TZorvinApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Unknown error."));
    }
    return false;
}

void TZorvinApplication::reportError(const QString &what)
{
    ++m_discardedErrors;
    if constexpr (DebugMode)
        Prompts::current().message(TMsgKind::Error, what, TMsgButtons::Ok);
}

// Runs the real application object with an event handler that throws, then quits. Exits with the
// number of errors the application discarded; what it wrote goes to standard error.
#include "zorvinapplication.h"

#include <QTimer>

#include <stdexcept>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TZorvinApplication app(argc, argv);
    QTimer::singleShot(0, [] { throw std::runtime_error("disk on fire"); });
    QTimer::singleShot(0, [] { throw 42; });
    QTimer::singleShot(10, &app, &QCoreApplication::quit);
    TZorvinApplication::exec();
    return app.discardedErrors();
}

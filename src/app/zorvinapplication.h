#pragma once

#include <QApplication>

#include <functional>

// The application object. An error that escapes an event handler is discarded without a message
// box, so one failing handler never ends the user's session; it is written to standard error.
// Built with ZV_DEBUG_MODE, the error is shown in an error box as well.
class TZorvinApplication : public QApplication {
    Q_OBJECT
public:
    TZorvinApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The organisation and program names (which also name the settings store) and the version.
    static void setIdentity();

    // How many errors were caught at the event loop since start-up.
    int discardedErrors() const { return m_discardedErrors; }

    // Runs deliver; an error escaping it is handed to onError with its text and false is returned.
    static bool deliverGuarded(const std::function<bool()> &deliver,
                               const std::function<void(const QString &)> &onError);

private:
    void reportError(const QString &what);

    int m_discardedErrors = 0;
};

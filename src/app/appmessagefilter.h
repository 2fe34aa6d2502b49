#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QObject;

// The application-wide message hook. Other programs end this one by posting it message 1148
// (the first user message number, 1024, plus 124); the filter hands every posted message to the
// window's handler. On Linux the termination signal does the same job and needs no filter.
class TAppMessageFilter : public QAbstractNativeEventFilter {
public:
    static constexpr quint32 kQuitMessage = 1024 + 124;
    using THandler = std::function<void(quint32 message)>;

    explicit TAppMessageFilter(THandler handler) : m_handler(std::move(handler)) {}

    // Installs a filter that lives as long as owner.
    static void install(QObject *owner, THandler handler);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    THandler m_handler;
};

#include "appmessagefilter.h"

#include <QCoreApplication>
#include <QObject>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void TAppMessageFilter::install(QObject *owner, THandler handler)
{
    auto *filter = new TAppMessageFilter(std::move(handler));
    QCoreApplication::instance()->installNativeEventFilter(filter);
    QObject::connect(owner, &QObject::destroyed, [filter] {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(filter);
        delete filter;
    });
}

bool TAppMessageFilter::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG") {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == kQuitMessage) {
            m_handler(msg->message);
            return true;
        }
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

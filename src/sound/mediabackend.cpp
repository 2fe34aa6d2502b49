#include "mediabackend.h"

#include <QByteArray>
#include <QtGlobal>

void PrepareMediaBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", QByteArray("ffmpeg"));
}

#include "savebytes.h"

#include <QSaveFile>

bool SaveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = QStringLiteral("%1 could not be written: %2").arg(path, file.errorString());
    return ok;
}

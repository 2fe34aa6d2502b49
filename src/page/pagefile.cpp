#include "pagefile.h"

#include <QSaveFile>

bool SavePageFile(const QString &path, const QByteArray &text)
{
    // The page file is replaced only once the new one is complete, so a full disk cannot leave
    // half a page behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

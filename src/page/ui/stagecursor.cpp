#include "stagecursor.h"

#include "resourcebitmap.h"

#include <QFile>

QCursor StageCursor(const QString &name, Qt::CursorShape fallback)
{
    const QString path = QStringLiteral(":/cursors/%1.svg").arg(name);
    if (!QFile::exists(path))
        return QCursor(fallback);
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return QCursor(fallback);
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}

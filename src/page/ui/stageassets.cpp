#include "stageassets.h"

#include "helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap StagePixmap(const QString &name, QSize size)
{
    // Drawn at the screen's density so that the pictures stay sharp on high-density displays.
    const qreal ratio = qApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    const QString svg = QStringLiteral(":/art/%1.svg").arg(name);
    if (QFile::exists(svg)) {
        QSvgRenderer renderer(svg);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return pixmap;
    }
    const QString png = QStringLiteral(":/art/%1.png").arg(name);
    if (QFile::exists(png)) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(QPoint(0, 0), size), QPixmap(png));
    }
    return pixmap;
}

QCursor StageCursor(const QString &name, Qt::CursorShape fallback)
{
    const QString svg = QStringLiteral(":/cursors/%1.svg").arg(name);
    if (!QFile::exists(svg))
        return QCursor(fallback);
    QSvgRenderer renderer(svg);
    const QSize size(32, 32);
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    painter.end();
    // The hands grip in their middle, which is where a block is held.
    return QCursor(pixmap, size.width() / 2, size.height() / 2);
}

void StagePlay(const QString &name)
{
    Q_UNUSED(name); // the shell's sound player takes over here once it is available
}

bool StageTestMode()
{
    return qEnvironmentVariableIntValue("ZV_TEST_MODE") == 1;
}

int StageTimerInterval(int statedMs)
{
    if (statedMs <= 0)
        return 0;
    return StageTestMode() ? 1 : statedMs;
}

QString StageHtmlFolder()
{
    QString home = qEnvironmentVariable("ZORVIN_HOME");
    if (home.isEmpty())
        home = QCoreApplication::applicationDirPath();
    return QDir::toNativeSeparators(PathJoin(home, QStringLiteral("HTMLFiles"))) + QDir::separator();
}

TWebChunk StageNewChunk(TBlockKind kind)
{
    TWebChunk chunk;
    chunk.Kind = kind;
    switch (kind) {
    case bkPara: chunk.Para.emplace(); break;
    case bkLink: chunk.Link.emplace(); break;
    case bkImage: chunk.Image.emplace(); break;
    case bkHeading: chunk.Heading.emplace(); break;
    case bkEmail: chunk.Email.emplace(); break;
    case bkLine: chunk.Line.emplace(); break;
    default: break;
    }
    return chunk;
}

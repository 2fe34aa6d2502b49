#include "webcanvas.h"

#include "resourcebitmap.h"

#include <QPainter>

TWebCanvas::TWebCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("imgWebBack"));
    setFixedSize(Width, Height);
}

void TWebCanvas::ensureCanvas()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_canvas.isNull() && qFuzzyCompare(m_canvas.devicePixelRatio(), ratio))
        return;
    m_canvas = QPixmap(QSize(Width, Height) * ratio);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(Qt::white);
    // A canvas made anew (first use, or a move to a screen of another density) is drawn again.
    const QStringList layers = m_layers;
    m_layers.clear();
    for (const QString &layer : layers) {
        QPainter painter(&m_canvas);
        const QStringList parts = layer.split(QLatin1Char('@'));
        const QStringList xy = parts.value(1).split(QLatin1Char(','));
        DrawResourceBitmap(painter, parts.value(0), xy.value(0).toInt(), xy.value(1).toInt());
        m_layers << layer;
    }
}

void TWebCanvas::drawBitmap(const QString &name, int x, int y)
{
    ensureCanvas();
    const QSize size = ResourceBitmapSize(name);
    if (x <= 0 && y <= 0 && x + size.width() >= Width && y + size.height() >= Height)
        m_layers.clear();
    m_layers << QStringLiteral("%1@%2,%3").arg(name).arg(x).arg(y);
    QPainter painter(&m_canvas);
    DrawResourceBitmap(painter, name, x, y);
    update();
}

void TWebCanvas::paintEvent(QPaintEvent *)
{
    ensureCanvas();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_canvas);
}

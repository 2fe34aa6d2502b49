#include "joyfireworks.h"

#include "resourcebitmap.h"

#include <QPainter>

namespace {
constexpr int kSize = 160;
} // namespace

TJoyFireworks::TJoyFireworks(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("imgJoy"));
    setFixedSize(kSize, kSize);
}

void TJoyFireworks::showFrame(const QString &name)
{
    m_frame = name;
    update();
}

void TJoyFireworks::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The night sky stays when a frame is missing, so the dialog never shows a hole.
    painter.fillRect(rect(), QColor(0x14, 0x1d, 0x3d));
    if (!m_frame.isEmpty())
        DrawResourceBitmap(painter, m_frame, 0, 0);
}

#pragma once

#include "qtmeasurehost.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>

class QPainter;

// The viewer's host: fonts, measuring and images as the measuring host has them, and drawing
// with a QPainter that the caller supplies for one painting pass. The painter may draw on a
// high-density device; the engine's coordinates are device-independent pixels and QPainter
// scales them, so text and lines stay crisp.
class TPainterHost : public QtMeasureHost {
public:
    TPainterHost();

    // Drawing calls go to this painter until end(); without one they do nothing.
    void begin(QPainter *painter);
    void end();
    QPainter *painter() const { return m_painter; }

    void setClip(const QRect &rect) override;
    void fillRect(const QRect &rect, QRgb colour) override;
    void drawLine(QPoint from, QPoint to, QRgb colour) override;
    void drawEllipse(const QRect &rect, QRgb colour, TFill fill) override;
    void drawText(int x, int baseline, TFontHandle font, QRgb colour, QStringView text) override;
    void drawImage(TImageHandle image, const QRect &target) override;
    QRgb systemColor(TSystemColor which) const override;
    void releaseImage(TImageHandle image) override;

    // Fills rect with an image repeated from origin, so the tiles move with the document.
    void drawTiled(TImageHandle image, const QRect &rect, QPoint origin);
    // The picture behind a handle, or a null image.
    QImage imageOf(TImageHandle handle) const;

private:
    QPainter *m_painter = nullptr;
    TImageHandle m_tileHandle = 0;
    QPixmap m_tile;
};

#include "transitioneffect.h"

#include <QPolygonF>

#include <cmath>

QPainterPath TTransitionEffect::revealedArea(TTransition effect, const QRectF &rect, double progress)
{
    QPainterPath path;
    const double p = qBound(0.0, progress, 1.0);
    if (effect == fxNone || p >= 1.0) {
        path.addRect(rect);
        return path;
    }
    if (p <= 0.0)
        return path;
    switch (effect) {
    case fxHorizontal:
        path.addRect(QRectF(rect.left(), rect.top(), rect.width() * p, rect.height()));
        break;
    case fxVertical:
        path.addRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height() * p));
        break;
    case fxDiagonal: {
        // A straight edge sweeping from the top-left corner to the bottom-right one.
        const double reach = (rect.width() + rect.height()) * p;
        QPolygonF triangle;
        triangle << rect.topLeft() << QPointF(rect.left() + reach, rect.top())
                 << QPointF(rect.left(), rect.top() + reach);
        QPainterPath wedge;
        wedge.addPolygon(triangle);
        QPainterPath whole;
        whole.addRect(rect);
        path = wedge.intersected(whole);
        break;
    }
    case fxDiagonalSquares: {
        // Squares of a grid open one diagonal row after another, each growing from its centre.
        constexpr int cells = 8;
        const double cw = rect.width() / cells;
        const double ch = rect.height() / cells;
        const double front = p * (2 * cells - 1 + 1);
        for (int row = 0; row < cells; ++row) {
            for (int col = 0; col < cells; ++col) {
                const double grown = qBound(0.0, front - (row + col), 1.0);
                if (grown <= 0)
                    continue;
                const QPointF centre(rect.left() + (col + 0.5) * cw, rect.top() + (row + 0.5) * ch);
                path.addRect(
                    QRectF(centre.x() - cw * grown / 2, centre.y() - ch * grown / 2, cw * grown, ch * grown));
            }
        }
        break;
    }
    case fxRectangles: {
        // A rectangle growing from the centre outwards.
        const QPointF c = rect.center();
        path.addRect(QRectF(c.x() - rect.width() * p / 2, c.y() - rect.height() * p / 2, rect.width() * p,
                            rect.height() * p));
        break;
    }
    case fxNone:
        break;
    }
    return path;
}

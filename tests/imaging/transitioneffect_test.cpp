#include "transitioneffect.h"

#include <gtest/gtest.h>

namespace {

// The share of the picture an effect has revealed, measured on a grid of points.
double revealed(TTransition effect, double progress)
{
    const QRectF rect(10, 20, 200, 100);
    const QPainterPath area = TTransitionEffect::revealedArea(effect, rect, progress);
    int inside = 0, total = 0;
    for (double y = rect.top() + 0.5; y < rect.bottom(); y += 2)
        for (double x = rect.left() + 0.5; x < rect.right(); x += 2, ++total)
            inside += area.contains(QPointF(x, y));
    return double(inside) / total;
}

} // namespace

TEST(TransitionEffect, EveryEffectGrowsFromNothingToThePicture)
{
    for (TTransition effect : {fxHorizontal, fxVertical, fxDiagonal, fxDiagonalSquares, fxRectangles}) {
        SCOPED_TRACE(int(effect));
        EXPECT_EQ(revealed(effect, 0.0), 0.0);
        double last = 0.0;
        for (double p : {0.25, 0.5, 0.75}) {
            const double now = revealed(effect, p);
            EXPECT_GT(now, last);
            EXPECT_LT(now, 1.0);
            last = now;
        }
        EXPECT_EQ(revealed(effect, 1.0), 1.0);
    }
    // Without an effect the picture is there at once.
    EXPECT_EQ(revealed(fxNone, 0.0), 1.0);
    // A wipe reveals in proportion to its progress.
    EXPECT_NEAR(revealed(fxHorizontal, 0.5), 0.5, 0.02);
}

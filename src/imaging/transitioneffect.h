#pragma once

#include "imagetypes.h"

#include <QPainterPath>
#include <QRectF>

// The transition effects a new picture can appear with. Each effect is a growing clip area:
// at progress 0 nothing of the picture shows, at 1 all of it.
class TTransitionEffect {
public:
    TTransitionEffect() = delete;

    // How long an effect takes on screen.
    static constexpr int durationMs = 400;

    static QPainterPath revealedArea(TTransition effect, const QRectF &rect, double progress);
};

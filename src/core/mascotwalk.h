#pragma once

#include "stage.h"

#include <optional>
#include <vector>

// The mascot's walk along the toolbar when the stage changes, as positions only: where each step
// puts the mascot, which way it faces and which of its two walking poses it shows. The toolbar
// draws the steps; nothing here needs a window.

enum class TMascotFacing { Right, Left };

// One leg of a walk: the ten steps from one stage's button to the next one's.
struct TMascotLeg {
    int startX = 0;    // the mascot's left edge before the first step
    int stepWidth = 0; // pixels per step, added walking right and taken away walking left
};

struct TMascotStep {
    int x = 0; // the mascot's left edge in toolbar coordinates
    TMascotFacing facing = TMascotFacing::Right;
    int pose = 0; // 0 or 1: the two walking poses alternate from step to step
};

inline constexpr int kMascotStepsPerLeg = 10;
// The mascot stands this far below the toolbar's top edge, and is this big.
inline constexpr int kMascotTop = 12;
inline constexpr int kMascotWidth = 64;
inline constexpr int kMascotHeight = 59;

// The leg that starts at stage from in the given direction; none where the toolbar has no road
// (walking right from the last stage, or left from the first).
std::optional<TMascotLeg> MascotLeg(TStage from, TMascotFacing direction);

// Every step of the walk from stage from to stage to, leg after leg; empty when from equals to.
// A walk that would need a leg the toolbar does not have stops before it.
std::vector<TMascotStep> MascotWalkSteps(TStage from, TStage to);

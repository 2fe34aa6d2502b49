#include "mascotwalk.h"

namespace {

struct TLegTable {
    int rightStart;
    int rightStep;
    int leftStart;
    int leftStep;
};

// Where each stage's legs begin and how long their steps are. A leg walked right from a stage
// ends close to where a leg walked left from the next stage begins, so a walk of several legs
// reads as one stroll. The first stage has no leg to the left, the last none to the right.
constexpr int kNoLeg = -1;
constexpr TLegTable kLegs[] = {
    {24, 13, kNoLeg, 0},  // stChoose
    {156, 12, 156, 13},   // stBuild
    {284, 12, 284, 12},   // stPreview
    {408, 12, 408, 12},   // stSend
    {kNoLeg, 0, 532, 12}, // stUploaded
};

} // namespace

std::optional<TMascotLeg> MascotLeg(TStage from, TMascotFacing direction)
{
    if (from < stChoose || from > stUploaded)
        return std::nullopt;
    const TLegTable &row = kLegs[int(from)];
    const int start = direction == TMascotFacing::Right ? row.rightStart : row.leftStart;
    if (start == kNoLeg)
        return std::nullopt;
    return TMascotLeg{start, direction == TMascotFacing::Right ? row.rightStep : row.leftStep};
}

std::vector<TMascotStep> MascotWalkSteps(TStage from, TStage to)
{
    std::vector<TMascotStep> steps;
    if (from == to)
        return steps;
    const TMascotFacing facing = to > from ? TMascotFacing::Right : TMascotFacing::Left;
    const int direction = facing == TMascotFacing::Right ? 1 : -1;
    for (int stage = from; stage != to; stage += direction) {
        const std::optional<TMascotLeg> leg = MascotLeg(TStage(stage), facing);
        if (!leg)
            break;
        int x = leg->startX;
        for (int i = 0; i < kMascotStepsPerLeg; ++i) {
            x += direction * leg->stepWidth;
            steps.push_back({x, facing, int(steps.size() % 2)});
        }
    }
    return steps;
}

#include "mascotwalk.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> xs(const std::vector<TMascotStep> &steps)
{
    std::vector<int> out;
    for (const TMascotStep &step : steps)
        out.push_back(step.x);
    return out;
}

TEST(MascotWalk, NoStepsToTheStageItStandsOn)
{
    for (TStage stage : {stChoose, stBuild, stPreview, stSend, stUploaded})
        EXPECT_TRUE(MascotWalkSteps(stage, stage).empty()) << stage;
}

TEST(MascotWalk, OneLegRightFromChooseUsesItsWiderSteps)
{
    const auto steps = MascotWalkSteps(stChoose, stBuild);
    EXPECT_EQ(xs(steps), (std::vector<int>{37, 50, 63, 76, 89, 102, 115, 128, 141, 154}));
    for (const TMascotStep &step : steps)
        EXPECT_EQ(step.facing, TMascotFacing::Right);
}

TEST(MascotWalk, ChooseToSendWalksThreeLegsEachFromItsStagesEdge)
{
    const auto steps = MascotWalkSteps(stChoose, stSend);
    ASSERT_EQ(steps.size(), 30u);
    // Each leg starts afresh at its own stage's edge, not where the last leg stopped.
    EXPECT_EQ(steps[9].x, 24 + 130);
    EXPECT_EQ(steps[10].x, 156 + 12);
    EXPECT_EQ(steps[19].x, 156 + 120);
    EXPECT_EQ(steps[20].x, 284 + 12);
    EXPECT_EQ(steps.back().x, 284 + 120);
}

TEST(MascotWalk, WalkingLeftUsesTheLeftEdgesAndBuildsWiderStep)
{
    const auto steps = MascotWalkSteps(stUploaded, stChoose);
    ASSERT_EQ(steps.size(), 40u);
    EXPECT_EQ(steps[0].x, 532 - 12);
    EXPECT_EQ(steps[9].x, 532 - 120);
    EXPECT_EQ(steps[10].x, 408 - 12);
    EXPECT_EQ(steps[20].x, 284 - 12);
    EXPECT_EQ(steps[30].x, 156 - 13);
    EXPECT_EQ(steps.back().x, 156 - 130);
    for (const TMascotStep &step : steps)
        EXPECT_EQ(step.facing, TMascotFacing::Left);
}

TEST(MascotWalk, PosesAlternateEveryStepAcrossLegs)
{
    const auto steps = MascotWalkSteps(stBuild, stSend);
    ASSERT_EQ(steps.size(), 20u);
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].pose, int(i % 2)) << i;
}

TEST(MascotWalk, LegsOnlyWhereTheToolbarHasRoad)
{
    EXPECT_FALSE(MascotLeg(stChoose, TMascotFacing::Left));
    EXPECT_FALSE(MascotLeg(stUploaded, TMascotFacing::Right));
    EXPECT_FALSE(MascotLeg(TStage(7), TMascotFacing::Right));
    EXPECT_FALSE(MascotLeg(TStage(-1), TMascotFacing::Left));
    // A walk from a stage the toolbar does not know stops at once instead of reading past the table.
    EXPECT_TRUE(MascotWalkSteps(TStage(9), stChoose).empty());
    const auto leg = MascotLeg(stBuild, TMascotFacing::Left);
    ASSERT_TRUE(leg);
    EXPECT_EQ(leg->startX, 156);
    EXPECT_EQ(leg->stepWidth, 13);
}

} // namespace

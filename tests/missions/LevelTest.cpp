#include <gtest/gtest.h>

#include <vector>

#include "missions/Mission.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

struct PlainMission : Mission {
    PlainMission(float gold = 100.0f, float silver = 200.0f)
        : Mission("Plain", "Brief.", gold, silver) {}
};

}  // namespace

TEST(Mission, ScoreChargesThrustTurnAndTimeForEveryCommandButWaitsAndSleeps) {
    struct Case {
        Program program;
        int time;
        float thrust, turn, total;
    };
    const std::vector<Case> cases = {
        {{{Thrust, 100}, {Left, 50}, {Wait, 1000}}, 1150, 100.0f, 5.0f, 116.5f},
        {{{Thrust, 0}, {Left, -30}}, 0, 0.0f, 3.0f, 3.0f},
        {{}, 1234, 0.0f, 0.0f, 12.34f},
        // Commands not reached yet count too.
        {{{Sleep, 100}, {Wait, 5}, {Right, 20}, {Thrust, 7}}, 3, 7.0f, 2.0f, 9.03f},
        {{{Thrust, 50}, {Thrust, -20}}, 0, 30.0f, 0.0f, 30.0f},
    };
    PlainMission mission;
    World world;
    world.mission = &mission;
    world.reset();
    for (const Case& c : cases) {
        world.rocket->program = c.program;
        world.time = c.time;
        computeScore(world);
        EXPECT_EQ(mission.thrustCost, c.thrust) << c.total;
        EXPECT_EQ(mission.turnCost, c.turn) << c.total;
        EXPECT_EQ(mission.score, c.total);
    }
    World bare;  // without a ship only time counts
    bare.mission = &mission;
    bare.time = 200;
    computeScore(bare);
    EXPECT_EQ(mission.score, 2.0f);
}

TEST(Mission, MedalLimitsAreInclusiveAndANeverWonMissionHasNone) {
    PlainMission mission(100.0f, 200.0f);
    const std::vector<std::pair<float, int>> cases = {
        {0.0f, 0}, {1.0f, 3}, {100.0f, 3}, {100.00001f, 2}, {200.0f, 2}, {200.0001f, 1}, {1e9f, 1}};
    for (auto c : cases) EXPECT_EQ(medalFor(c.first, mission), c.second) << c.first;
    EXPECT_EQ(medalFor(0.0f, PlainMission(-5.0f, -1.0f)), 0);
}

TEST(Mission, CircleSegmentsGrowWithTheSquareRootOfTheRadiusAndStayFinite) {
    const std::vector<std::pair<float, int>> cases = {{16.0f, 21},
                                                      {50.0f, 36},
                                                      {200.0f, 71},
                                                      {3070.0f, 278},
                                                      {0.0f, 1},
                                                      {-4.0f, 1},
                                                      {__builtin_nanf(""), 1},
                                                      {3e38f, 100001}};
    for (auto c : cases) EXPECT_EQ(circleSegments(c.first), c.second) << c.first;
}

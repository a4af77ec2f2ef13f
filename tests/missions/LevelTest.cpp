#include <gtest/gtest.h>

#include "missions/Level.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

struct PlainLevel : Level {
    PlainLevel(float gold = 100.0f, float silver = 200.0f)
        : Level("Plain", "Brief.", gold, silver) {}
};

struct ScoreFixture : testing::Test {
    World world;
    PlainLevel level;
    void SetUp() override {
        world.level = &level;
        world.reset();
    }
    float score(Program program, int time) {
        world.rocket->program = program;
        world.time = time;
        computeScore(world);
        return level.score;
    }
};

using LevelScore = ScoreFixture;

}  // namespace

TEST(Level, ConstructionSetsTheRecordAndClearsProgress) {
    PlainLevel level(12.5f, 40.0f);
    EXPECT_EQ(level.name, "Plain");
    EXPECT_EQ(level.briefing, "Brief.");
    EXPECT_EQ(level.goldLimit, 12.5f);
    EXPECT_EQ(level.silverLimit, 40.0f);
    EXPECT_EQ(level.bestScore, 0.0f);
    EXPECT_EQ(level.score, 0.0f);
    EXPECT_TRUE(level.savedProgram.empty());
    EXPECT_FALSE(level.won);
    EXPECT_FALSE(level.failed);
}

TEST_F(LevelScore, ChargesThrustTurnAndTimeSeparately) {
    EXPECT_EQ(score({{Thrust, 100}, {Left, 50}, {Wait, 1000}}, 1150), 116.5f);
    EXPECT_EQ(level.thrustCost, 100.0f);
    EXPECT_EQ(level.turnCost, 5.0f);
    EXPECT_EQ(level.timeCost, 11.5f);
}

TEST_F(LevelScore, ZeroThrustAndNegativeLeftCostThreeTurnUnits) {
    score({{Thrust, 0}, {Left, -30}}, 0);
    EXPECT_EQ(level.thrustCost, 0.0f);
    EXPECT_EQ(level.turnCost, 3.0f);
    EXPECT_EQ(level.score, 3.0f);
}

TEST_F(LevelScore, EmptyProgramScoresOnlyItsTime) {
    EXPECT_EQ(score({}, 1234), 12.34f);
    EXPECT_EQ(level.thrustCost, 0.0f);
    EXPECT_EQ(level.turnCost, 0.0f);
}

TEST_F(LevelScore, WaitsAndSleepsAreFreeButUnreachedCommandsCount) {
    EXPECT_EQ(score({{Sleep, 100}, {Wait, 5}, {Right, 20}, {Thrust, 7}}, 3), 9.03f);
}

TEST_F(LevelScore, NegativeThrustLowersTheScore) {
    EXPECT_EQ(score({{Thrust, 50}, {Thrust, -20}}, 0), 30.0f);
}

TEST_F(LevelScore, WithoutAShipOnlyTimeCounts) {
    World bare;
    bare.level = &level;
    bare.time = 200;
    computeScore(bare);
    EXPECT_EQ(level.score, 2.0f);
}

TEST(Level, NeverWonHasNoMedalWhateverTheLimits) {
    EXPECT_EQ(medalFor(0.0f, PlainLevel(100.0f, 200.0f)), 0);
    EXPECT_EQ(medalFor(0.0f, PlainLevel(-5.0f, -1.0f)), 0);
}

TEST(Level, LimitsAreInclusiveForTheBetterMedal) {
    PlainLevel level(100.0f, 200.0f);
    EXPECT_EQ(medalFor(1.0f, level), 3);
    EXPECT_EQ(medalFor(100.0f, level), 3);
    EXPECT_EQ(medalFor(100.00001f, level), 2);
    EXPECT_EQ(medalFor(200.0f, level), 2);
    EXPECT_EQ(medalFor(200.0001f, level), 1);
    EXPECT_EQ(medalFor(1e9f, level), 1);
}

TEST(Level, CircleSegmentsGrowWithTheSquareRootOfTheRadius) {
    EXPECT_EQ(circleSegments(16.0f), 21);
    EXPECT_EQ(circleSegments(50.0f), 36);
    EXPECT_EQ(circleSegments(100.0f), 51);
    EXPECT_EQ(circleSegments(200.0f), 71);
    EXPECT_EQ(circleSegments(3070.0f), 278);
}

TEST(Level, DegenerateCircleRadiiGiveAFiniteSegmentCount) {
    EXPECT_EQ(circleSegments(0.0f), 1);
    EXPECT_EQ(circleSegments(-4.0f), 1);
    EXPECT_EQ(circleSegments(__builtin_nanf("")), 1);
    EXPECT_EQ(circleSegments(3e38f), 100001);
}

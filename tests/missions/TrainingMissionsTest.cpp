#include <cmath>

#include "missions/Level_MovingStart.h"
#include "missions/Level_SpinningStart.h"
#include "missions/Level_Thrust.h"
#include "missions/Level_Turn.h"
#include "missions/Level_TurnII.h"
#include "missions/Level_TurnIII.h"
#include "tests/missions/MissionTestSupport.h"

using TrainingMissions = MissionTest;

TEST_F(TrainingMissions, SetupAppendsNonSolidMarkersWithTheStartMarkerLast) {
    Level_TurnIII mission;
    start(mission);
    ASSERT_EQ(world.bodies.size(), 5u);
    const Vec2 expected[] = {{400, 0}, {400, 200}, {0, -100}, {600, -200}, {0, 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(body(i).solid);
        EXPECT_EQ(body(i).mass, 0.0);
        EXPECT_EQ(body(i).radius, 50.0);
        EXPECT_EQ(body(i).mesh, nullptr);
        EXPECT_EQ(body(i).position.x, expected[i].x);
        EXPECT_EQ(body(i).position.y, expected[i].y);
    }
    EXPECT_FALSE(ship().landed);
    EXPECT_EQ(ship().radius, 8.0);
}

TEST_F(TrainingMissions, CircleEdgeDoesNotCountButJustInsideDoes) {
    Level_Thrust mission;
    start(mission);
    checkAt(Vec2(450.0, 0.0));
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(400.0, -50.0));
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(449.99, 0.0), false, 77);
    EXPECT_TRUE(mission.won);
    EXPECT_FLOAT_EQ(mission.timeCost, 0.77f);
}

TEST_F(TrainingMissions, TurnIsJudgedOnItsOwnCircleAboveTheStart) {
    Level_Turn mission;
    start(mission);
    checkAt(Vec2(420.0, 0.0));  // where the thrust mission's goal would be
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(10.0, 360.0));
    EXPECT_TRUE(mission.won);
}

TEST_F(TrainingMissions, StartMarkerIsNeverAGoal) {
    Level_Thrust thrust;
    Level_TurnII turnII;
    Level_SpinningStart spinning;
    Level_TurnIII turnIII;
    Level* missions[] = {&thrust, &turnII, &spinning, &turnIII};
    for (Level* mission : missions) {
        start(*mission);
        checkAt(Vec2(0.0, 0.0));
        EXPECT_FALSE(mission->won) << mission->name;
    }
}

TEST_F(TrainingMissions, TwoCirclesWinInEitherOrderOnTheStepTheLastIsEntered) {
    Level_TurnII mission;
    start(mission);
    checkAt(Vec2(400.0, 210.0));
    EXPECT_TRUE(mission.visited[1]);
    EXPECT_FALSE(mission.visited[0]);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(200.0, 100.0));  // between the circles: flags stay as they are
    EXPECT_TRUE(mission.visited[1]);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(390.0, 0.0));
    EXPECT_TRUE(mission.visited[0]);
    EXPECT_TRUE(mission.won);
}

TEST_F(TrainingMissions, FourCirclesNeedEveryOneVisited) {
    Level_TurnIII mission;
    start(mission);
    checkAt(Vec2(600.0, -200.0));
    checkAt(Vec2(0.0, -100.0));
    checkAt(Vec2(400.0, 200.0));
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(400.0, 0.0));
    EXPECT_TRUE(mission.won);
}

TEST_F(TrainingMissions, ResetClearsVisitedCirclesAndTheOutcome) {
    Level_TurnII mission;
    start(mission);
    checkAt(Vec2(400.0, 0.0));
    checkAt(Vec2(400.0, 200.0));
    ASSERT_TRUE(mission.won);
    world.reset();
    EXPECT_FALSE(mission.won);
    EXPECT_FALSE(mission.visited[0]);
    EXPECT_FALSE(mission.visited[1]);
}

TEST_F(TrainingMissions, MovingStartDriftsPastBothGoalsWithAnEmptyProgram) {
    Level_MovingStart mission;
    start(mission);
    EXPECT_EQ(ship().velocity.x, 0.5);
    EXPECT_EQ(fly(4000), 4000);
    EXPECT_FALSE(mission.won);
    EXPECT_FALSE(mission.visited[0] || mission.visited[1]);
    EXPECT_DOUBLE_EQ(ship().position.x, 2000.0);
    EXPECT_EQ(ship().position.y, 0.0);
}

TEST_F(TrainingMissions, MovingStartSharesTheTwoCircleCheckOnItsOwnMarkers) {
    Level_MovingStart mission;
    start(mission);
    checkAt(Vec2(700.0, 340.0));
    checkAt(Vec2(640.0, 150.0));
    EXPECT_TRUE(mission.won);
}

TEST_F(TrainingMissions, SpinningStartTurnsTheShipWithoutMovingIt) {
    Level_SpinningStart mission;
    start(mission);
    EXPECT_EQ(ship().angularVelocity, 0.01);
    fly(100);
    EXPECT_NEAR(ship().angle, 1.0, 1e-12);
    EXPECT_EQ(ship().position.x, 0.0);
    EXPECT_EQ(ship().position.y, 0.0);
}

TEST_F(TrainingMissions, AThrustStraightAheadReachesTheThrustCircle) {
    Level_Thrust mission;
    start(mission, {op(Thrust, 1000)});
    // 1 unit per step: inside (distance < 50) once x > 350.
    int steps = fly(1000);
    EXPECT_TRUE(mission.won);
    EXPECT_EQ(steps, 352);
    EXPECT_EQ(world.time, 351);
    EXPECT_FLOAT_EQ(mission.score, 1000.0f + 3.51f);
}

#include "missions/TurnIIMission.h"
#include "tests/missions/MissionTestSupport.h"

using TrainingMissions = MissionTest;

TEST_F(TrainingMissions, CirclesCountOnlyInsideTheirEdgeAndAllMustBeVisitedInAnyOrder) {
    struct Case {
        const char* mission;
        std::vector<Visit> visits;
        const char* outcome;
    };
    const std::vector<Case> cases = {
        {"Thrust", {{Vec2(450.0, 0.0)}, {Vec2(400.0, -50.0)}}, ""},  // on the edge
        {"Thrust", {{Vec2(449.99, 0.0)}}, "won"},
        {"Turn", {{Vec2(420.0, 0.0)}}, ""},  // where the thrust mission's goal would be
        {"Turn", {{Vec2(10.0, 360.0)}}, "won"},
        // The start marker is never a goal.
        {"Thrust", {{Vec2(0.0, 0.0)}}, ""},
        {"Turn II", {{Vec2(0.0, 0.0)}}, ""},
        {"Spinning Start", {{Vec2(0.0, 0.0)}}, ""},
        {"Turn III", {{Vec2(0.0, 0.0)}}, ""},
        {"Turn II", {{Vec2(400.0, 210.0)}, {Vec2(200.0, 100.0)}}, ""},
        {"Turn II", {{Vec2(400.0, 210.0)}, {Vec2(200.0, 100.0)}, {Vec2(390.0, 0.0)}}, "won"},
        {"Turn III", {{Vec2(600.0, -200.0)}, {Vec2(0.0, -100.0)}, {Vec2(400.0, 200.0)}}, ""},
        {"Turn III",
         {{Vec2(600.0, -200.0)}, {Vec2(0.0, -100.0)}, {Vec2(400.0, 200.0)}, {Vec2(400.0, 0.0)}},
         "won"},
        {"Moving Start", {{Vec2(700.0, 340.0)}, {Vec2(640.0, 150.0)}}, "won"},
    };
    for (const Case& c : cases) EXPECT_EQ(visit(c.mission, c.visits), c.outcome) << c.mission;
}

TEST_F(TrainingMissions, ResetClearsVisitedCirclesAndTheOutcome) {
    TurnIIMission mission;
    start(mission);
    checkAt(Vec2(400.0, 0.0));
    checkAt(Vec2(400.0, 200.0));
    ASSERT_TRUE(mission.won);
    world.reset();
    EXPECT_FALSE(mission.won);
    EXPECT_FALSE(mission.visited[0]);
    EXPECT_FALSE(mission.visited[1]);
}

TEST_F(TrainingMissions,
       WithAnEmptyProgramMovingStartDriftsPastBothGoalsAndSpinningStartOnlyTurns) {
    Mission& moving = start("Moving Start");
    EXPECT_EQ(fly(4000), 4000);
    EXPECT_FALSE(moving.won);
    EXPECT_DOUBLE_EQ(ship().position.x, 2000.0);
    EXPECT_EQ(ship().position.y, 0.0);

    start("Spinning Start");
    fly(100);
    EXPECT_NEAR(ship().angle, 1.0, 1e-12);
    EXPECT_EQ(ship().position.x, 0.0);
    EXPECT_EQ(ship().position.y, 0.0);
}

#include <cmath>

#include "missions/LunarLandingMission.h"
#include "tests/missions/MissionTestSupport.h"

using PlanetaryMissions = MissionTest;

TEST_F(PlanetaryMissions, EachGoalIsJudgedStrictlyAtItsEdge) {
    // Landed 10 units along the surface from the opposite side's target (130, 200).
    const double a = M_PI + 10.0 / 70.0;
    const Vec2 nearTarget(200.0 + 78.1 * std::cos(a), 200.0 + 78.1 * std::sin(a));
    struct Case {
        const char* mission;
        std::vector<Visit> visits;
        const char* outcome;
    };
    const std::vector<Case> cases = {
        // Launches win on landing again after being beyond the circle.
        {"First Launch", {{Vec2(300.0, 200.0)}, {Vec2(278.0, 200.0), true}}, ""},
        {"First Launch", {{Vec2(200.0, 300.01)}}, ""},
        {"First Launch", {{Vec2(200.0, 300.01)}, {Vec2(200.0, 122.0), true}}, "won"},
        {"Bigger Launch", {{Vec2(350.0, 200.0)}, {Vec2(278.0, 200.0), true}}, ""},
        {"Bigger Launch", {{Vec2(390.5, 200.0)}, {Vec2(278.0, 200.0), true}}, "won"},
        {"Escape Velocity", {{Vec2(3270.0, 200.0)}}, ""},
        {"Escape Velocity", {{Vec2(200.0, -2870.5)}}, "won"},
        {"Opposite Side", {{Vec2(278.0, 200.0), true}, {Vec2(130.0, 200.0)}}, ""},
        {"Opposite Side", {{nearTarget, true}}, "won"},
    };
    for (const Case& c : cases) EXPECT_EQ(visit(c.mission, c.visits), c.outcome) << c.mission;
}

TEST_F(PlanetaryMissions, AVerticalHopWinsTheFirstLaunch) {
    Mission& mission = start("First Launch", {{Thrust, 200}});  // rises to about 115
    fly(5000);
    EXPECT_TRUE(mission.won);
    EXPECT_TRUE(ship().landed);
}

TEST_F(PlanetaryMissions, CrossingTheOrbitBandOnARadialPathNeverWins) {
    Mission& mission = start("First Orbit", {{Thrust, 320}});  // rises to about 424, falls back
    fly(60000);
    EXPECT_FALSE(mission.won);
    EXPECT_TRUE(ship().landed);
}

TEST_F(PlanetaryMissions, LunarLandingWantsTheMoonFirstThenThePlanet) {
    LunarLandingMission mission;
    start(mission);
    checkAt(Vec2(278.0, 200.0), true);  // on the planet first
    EXPECT_FALSE(mission.won);
    const Vec2 moon = body(1).position;
    checkAt(Vec2(moon.x + 10.0, moon.y + 14.0), false);  // close but flying
    EXPECT_FALSE(mission.visitedMoon);
    checkAt(Vec2(moon.x + 18.1, moon.y), true);
    EXPECT_TRUE(mission.visitedMoon);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(200.0, 278.1), true);
    EXPECT_TRUE(mission.won);
}

#include <cmath>

#include "missions/GeostationaryMission.h"
#include "missions/GeostationaryIIMission.h"
#include "missions/LunarOrbitMission.h"
#include "missions/MissionParts.h"
#include "tests/missions/MissionTestSupport.h"

using OrbitalMissions = MissionTest;

namespace {
Vec2 polar(double r, double a) { return Vec2(r * std::cos(a), r * std::sin(a)); }
}  // namespace

TEST_F(OrbitalMissions, BandsAreStrictAndHeldOneStepLongerThanTheirCountToWin) {
    struct Case {
        const char* mission;
        int count;
        Vec2 inside;
        std::vector<Vec2> outside;
    };
    const std::vector<Case> cases = {
        {"First Orbit", 20000, Vec2(450.0, 200.0), {Vec2(500.0, 200.0), Vec2(400.0, 200.0)}},
        {"Change of Orbit", 20000, Vec2(325.0, 200.0), {Vec2(350.0, 200.0), Vec2(300.0, 200.0)}},
        {"Orbital Insertion", 10000, Vec2(0.0, 120.0), {Vec2(0.0, 150.0), Vec2(0.0, 100.0)}},
        {"Spin Cycle", 5000, Vec2(0.0, -249.0), {Vec2(150.0, 0.0)}},
        {"Binary Center", 5000, Vec2(0.0, 0.0), {Vec2(30.0, 40.0)}},
        {"Binary Orbit", 30000, Vec2(0.0, 400.0), {Vec2(0.0, 500.0)}},
    };
    for (const Case& c : cases) {
        const int end = 5 + c.count;
        EXPECT_EQ(visit(c.mission, {{c.inside, false, 5}, {c.inside, false, end}}), "")
            << c.mission;
        EXPECT_EQ(visit(c.mission, {{c.inside, false, 5}, {c.inside, false, end + 1}}), "won")
            << c.mission;
        for (Vec2 out : c.outside) {
            EXPECT_EQ(visit(c.mission, {{out, false, 5}, {out, false, end + 1}}), "")
                << c.mission << " at " << out.x << ", " << out.y;
        }
        // Leaving for one step restarts the count.
        EXPECT_EQ(visit(c.mission, {{c.inside, false, 5},
                                    {c.outside[0], false, 6},
                                    {c.inside, false, 7},
                                    {c.inside, false, end + 1}}),
                  "")
            << c.mission;
    }
}

TEST_F(OrbitalMissions, BinaryOrbitMeasuresFromTheOriginNotFromABody) {
    start("Binary Orbit");
    body(0).position = Vec2(5000.0, 0.0);
    checkAt(Vec2(0.0, 400.0), false, 1);
    checkAt(Vec2(0.0, 400.0), false, 30002);
    EXPECT_TRUE(world.mission->won);
}

TEST_F(OrbitalMissions, SkyClockStartsOffTheGroundAndTheRadarCeilingIsStrict) {
    struct Case {
        std::vector<Visit> visits;
        const char* outcome;
    };
    const Vec2 up(0.0, 170.0);
    const std::vector<Case> cases = {
        {{{Vec2(0.0, 158.1), true, 40}, {up, false, 41}, {up, false, 10041}}, ""},
        {{{Vec2(0.0, 158.1), true, 40}, {up, false, 41}, {up, false, 10042}}, "won"},
        {{{Vec2(0.0, 200.0)}}, ""},
        {{{Vec2(120.0, -160.01)}}, "failed"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(visit("The Sky is the Limit", c.visits), c.outcome) << c.visits.size();
    }
}

TEST_F(OrbitalMissions, SkyShipStayingDownNeitherFailsNorWinsButTouchingDownAgainFails) {
    Mission& mission = start("The Sky is the Limit");
    fly(20000);
    EXPECT_FALSE(mission.won || mission.failed);

    start(mission, {{Thrust, 100}});  // a hop straight up on the heavy planet
    fly(5000);
    EXPECT_TRUE(mission.failed);
    EXPECT_TRUE(ship().landed);
    const int frozen = world.time;
    world.step();
    EXPECT_EQ(world.time, frozen);
}

TEST_F(OrbitalMissions, InsertionDoingNothingFallsIntoThePlanetAndFails) {
    Mission& mission = start("Orbital Insertion");
    const int steps = fly(10000);
    EXPECT_TRUE(mission.failed);
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(world.time, steps - 1);  // the failing step is not counted
}

TEST_F(OrbitalMissions, GeostationaryWedgeEdgesAndHeightAreStrictAndTurnWithThePlanet) {
    GeostationaryMission mission;
    start(mission);
    checkAt(polar(200.0, 0.0));
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(200.0, 200.0));  // exactly π/4
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(72.0, 54.0));  // exactly 90 from the centre
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(72.008, 54.006));  // 90.01
    EXPECT_TRUE(mission.inRange);

    body(0).angle = 0.5;  // across zero
    checkAt(polar(200.0, 0.4));
    EXPECT_FALSE(mission.inRange);
    checkAt(polar(200.0, 0.6));
    EXPECT_TRUE(mission.inRange);
    body(0).angle = 0.5 + 6 * M_PI;  // many turns later: same wedge
    checkAt(polar(200.0, 0.6));
    EXPECT_TRUE(mission.inRange);

    GeostationaryIIMission narrow;  // an eighth of π
    start(narrow);
    checkAt(polar(200.0, 0.38));
    EXPECT_TRUE(narrow.inRange);
    checkAt(polar(200.0, 0.40));
    EXPECT_FALSE(narrow.inRange);
}

TEST_F(OrbitalMissions, LunarOrbitBandFollowsTheMovingMoon) {
    LunarOrbitMission mission;
    start(mission);
    fly(1000);
    const Vec2 moon = body(1).position;
    EXPECT_GT(moon.x, 100.0);
    checkAt(Vec2(moon.x, moon.y + 100.0), false, 1000);
    EXPECT_TRUE(mission.inRange);
    checkAt(Vec2(-100.0, -700.0), false, 1001);  // near where the moon started
    EXPECT_FALSE(mission.inRange);
}

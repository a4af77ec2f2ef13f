#include <cmath>

#include "missions/Level_BinaryCenter.h"
#include "missions/Level_BinaryOrbit.h"
#include "missions/Level_Geostationary.h"
#include "missions/Level_GeostationaryII.h"
#include "missions/Level_LunarOrbit.h"
#include "missions/Level_OrbitalInsertion.h"
#include "missions/Level_SpinCycle.h"
#include "missions/Level_TheSkyIsTheLimit.h"
#include "missions/MissionParts.h"
#include "tests/missions/MissionTestSupport.h"

using OrbitalMissions = MissionTest;

namespace {
const double quarterPi = 0.7853981633974483;
Vec2 polar(double r, double a) { return Vec2(r * std::cos(a), r * std::sin(a)); }
}  // namespace

TEST_F(OrbitalMissions, SkyClockStartsOnTheFirstStepOffTheGround) {
    Level_TheSkyIsTheLimit mission;
    start(mission);
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(body(0).radius, 150.0);
    EXPECT_EQ(body(0).spin, -0.0005);
    checkAt(Vec2(0.0, 158.1), true, 40);
    EXPECT_FALSE(mission.launched);
    checkAt(Vec2(0.0, 170.0), false, 41);
    EXPECT_TRUE(mission.launched);
    EXPECT_EQ(mission.launchStep, 41);
    checkAt(Vec2(0.0, 170.0), false, 10041);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(0.0, 170.0), false, 10042);
    EXPECT_TRUE(mission.won);
    EXPECT_FALSE(mission.failed);
}

TEST_F(OrbitalMissions, SkyShipThatNeverLeavesTheGroundNeitherFailsNorWins) {
    Level_TheSkyIsTheLimit mission;
    start(mission);
    fly(20000);
    EXPECT_FALSE(mission.won);
    EXPECT_FALSE(mission.failed);
    EXPECT_FALSE(mission.launched);
}

TEST_F(OrbitalMissions, SkyFailsAboveTheRadarCeilingButNotExactlyAtIt) {
    Level_TheSkyIsTheLimit mission;
    start(mission);
    checkAt(Vec2(0.0, 200.0));
    EXPECT_FALSE(mission.failed);
    checkAt(Vec2(120.0, -160.01));
    EXPECT_TRUE(mission.failed);
}

TEST_F(OrbitalMissions, SkyTouchingDownAgainAfterLaunchFailsAtOnce) {
    Level_TheSkyIsTheLimit mission;
    start(mission, {op(Thrust, 100)});  // a hop straight up on the heavy planet
    fly(5000);
    EXPECT_TRUE(mission.failed);
    EXPECT_TRUE(mission.launched);
    EXPECT_TRUE(ship().landed);
    const int frozen = world.time;
    world.step();
    EXPECT_EQ(world.time, frozen);
}

TEST_F(OrbitalMissions, InsertionDoingNothingFallsIntoThePlanetAndFails) {
    Level_OrbitalInsertion mission;
    start(mission);
    EXPECT_FALSE(ship().landed);
    EXPECT_EQ(ship().angle, 3.141592653589793);
    const int steps = fly(10000);
    EXPECT_TRUE(mission.failed);
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(world.time, steps - 1);  // the failing step is not counted
    EXPECT_FALSE(mission.won);
}

TEST_F(OrbitalMissions, InsertionUsesTheChangeOfOrbitBand) {
    Level_OrbitalInsertion mission;
    start(mission);
    checkAt(Vec2(0.0, 120.0), false, 7);
    EXPECT_TRUE(mission.inRange);
    EXPECT_EQ(mission.rangeStart, 7);
    checkAt(Vec2(0.0, 120.0), false, 10008);
    EXPECT_TRUE(mission.won);
}

TEST_F(OrbitalMissions, SpinCycleCarriesTheLandedShipAroundTheStar) {
    Level_SpinCycle mission;
    start(mission);
    EXPECT_TRUE(ship().landed);
    EXPECT_DOUBLE_EQ(ship().position.x, 48.0);
    fly(10);
    EXPECT_TRUE(ship().landed);
    EXPECT_NEAR(ship().angle, 0.35, 1e-12);
    EXPECT_NEAR((ship().position - body(0).position).length(), 48.1, 1e-9);
    checkAt(Vec2(150.0, 0.0));
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(0.0, -249.0));
    EXPECT_TRUE(mission.inRange);
}

TEST_F(OrbitalMissions, GeostationaryStartsAQuarterTurnOutsideTheWedge) {
    Level_Geostationary mission;
    start(mission);
    EXPECT_DOUBLE_EQ(sectorAngle(world, body(0)), M_PI / 2);
    Level_GeostationaryII second;
    start(second);
    EXPECT_NEAR(sectorAngle(world, body(0)), 2 * M_PI - 0.165, 0.001);
}

TEST_F(OrbitalMissions, GeostationaryWedgeEdgesAndHeightAreStrict) {
    Level_Geostationary mission;
    start(mission);
    checkAt(polar(200.0, 0.0));
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(200.0, 200.0));  // exactly π/4
    EXPECT_EQ(sectorAngle(world, body(0)), quarterPi);
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(72.0, 54.0));  // exactly 90 from the centre
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(72.008, 54.006));  // 90.01
    EXPECT_TRUE(mission.inRange);
}

TEST_F(OrbitalMissions, GeostationaryWedgeTurnsWithThePlanetAcrossZero) {
    Level_Geostationary mission;
    start(mission);
    body(0).angle = 0.5;
    checkAt(polar(200.0, 0.4));
    EXPECT_NEAR(sectorAngle(world, body(0)), 2 * M_PI - 0.1, 1e-12);
    EXPECT_FALSE(mission.inRange);
    checkAt(polar(200.0, 0.6));
    EXPECT_TRUE(mission.inRange);
    body(0).angle = 0.5 + 6 * M_PI;  // many turns later: same wedge
    checkAt(polar(200.0, 0.6));
    EXPECT_TRUE(mission.inRange);
}

TEST_F(OrbitalMissions, NarrowWedgeIsAnEighthOfPi) {
    Level_GeostationaryII mission;
    start(mission);
    checkAt(polar(200.0, 0.38));
    EXPECT_TRUE(mission.inRange);
    checkAt(polar(200.0, 0.40));
    EXPECT_FALSE(mission.inRange);
}

TEST_F(OrbitalMissions, HoveringWithoutTurningLeavesTheWedgeAndRestartsTheTimer) {
    Level_Geostationary mission;
    start(mission);
    // The planet turns 0.001 rad per step; a ship fixed in space at 0.1 rad
    // leaves the wedge once the planet has turned past it.
    for (int t = 0; t <= 120; ++t) {
        body(0).angle = 0.001 * t;
        checkAt(polar(200.0, 0.1), false, t);
    }
    EXPECT_FALSE(mission.inRange);
    body(0).angle = 0.05;
    checkAt(polar(200.0, 0.1), false, 500);
    EXPECT_EQ(mission.rangeStart, 500);
}

TEST_F(OrbitalMissions, BinaryCenterCountsTheOriginItself) {
    Level_BinaryCenter mission;
    start(mission);
    ASSERT_EQ(world.bodies.size(), 2u);
    EXPECT_EQ(body(0).velocity.y, -0.075);
    EXPECT_EQ(body(1).velocity.y, 0.075);
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(ship().landedOn, &body(0));
    checkAt(Vec2(0.0, 0.0), false, 3);
    EXPECT_TRUE(mission.inRange);
    checkAt(Vec2(30.0, 40.0), false, 4);
    EXPECT_FALSE(mission.inRange);
}

TEST_F(OrbitalMissions, BinaryOrbitMeasuresFromTheOriginNotFromABody) {
    Level_BinaryOrbit mission;
    start(mission);
    body(0).position = Vec2(5000.0, 0.0);
    checkAt(Vec2(0.0, 400.0), false, 1);
    EXPECT_TRUE(mission.inRange);
    checkAt(Vec2(0.0, 500.0), false, 2);
    EXPECT_FALSE(mission.inRange);
}

TEST_F(OrbitalMissions, LunarOrbitBandFollowsTheMovingMoon) {
    Level_LunarOrbit mission;
    start(mission);
    ASSERT_EQ(world.bodies.size(), 2u);
    EXPECT_EQ(body(1).radius, 40.0);
    EXPECT_EQ(body(1).velocity.x, 0.15);
    fly(1000);
    const Vec2 moon = body(1).position;
    EXPECT_GT(moon.x, 100.0);
    checkAt(Vec2(moon.x, moon.y + 100.0), false, 1000);
    EXPECT_TRUE(mission.inRange);
    checkAt(Vec2(-100.0, -700.0), false, 1001);  // near where the moon started
    EXPECT_FALSE(mission.inRange);
}

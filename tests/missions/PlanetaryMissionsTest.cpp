#include <cmath>

#include "missions/Level_BiggerLaunch.h"
#include "missions/Level_ChangeOfOrbit.h"
#include "missions/Level_EsacpeVelocity.h"
#include "missions/Level_FirstLaunch.h"
#include "missions/Level_FirstOrbit.h"
#include "missions/Level_LunarLanding.h"
#include "missions/Level_OppositeSide.h"
#include "tests/missions/MissionTestSupport.h"

using PlanetaryMissions = MissionTest;

TEST_F(PlanetaryMissions, LaunchMissionsStartLandedOnThePlanetFacingAway) {
    Level_FirstLaunch mission;
    start(mission);
    ASSERT_EQ(world.bodies.size(), 1u);
    EXPECT_TRUE(body(0).solid);
    EXPECT_EQ(body(0).radius, 70.0);
    EXPECT_EQ(body(0).mass, 4.9);
    EXPECT_EQ(body(0).spin, 0.0);
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(ship().position.x, 278.0);
    EXPECT_EQ(ship().position.y, 200.0);
    EXPECT_EQ(ship().angle, 0.0);
}

TEST_F(PlanetaryMissions, LaunchReachingExactlyTheCircleAndLandingDoesNotWin) {
    Level_FirstLaunch mission;
    start(mission);
    checkAt(Vec2(300.0, 200.0));  // d = 100 exactly
    checkAt(Vec2(278.0, 200.0), true);
    EXPECT_FALSE(mission.leftCircle);
    EXPECT_FALSE(mission.won);
}

TEST_F(PlanetaryMissions, LaunchBeyondTheCircleWinsOnTheLandingStep) {
    Level_FirstLaunch mission;
    start(mission);
    checkAt(Vec2(200.0, 300.01));
    EXPECT_TRUE(mission.leftCircle);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(200.0, 200.0 - 78.0), true);  // any point of the surface
    EXPECT_TRUE(mission.won);
}

TEST_F(PlanetaryMissions, BiggerLaunchNeedsItsWiderCircle) {
    Level_BiggerLaunch mission;
    start(mission);
    EXPECT_TRUE(ship().landed);  // set-up shared with the first launch
    checkAt(Vec2(350.0, 200.0));
    checkAt(Vec2(278.0, 200.0), true);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(390.5, 200.0));
    checkAt(Vec2(278.0, 200.0), true);
    EXPECT_TRUE(mission.won);
}

TEST_F(PlanetaryMissions, AVerticalHopWinsTheFirstLaunch) {
    Level_FirstLaunch mission;
    start(mission, {op(Thrust, 200)});  // rises to about 115 from the centre
    fly(5000);
    EXPECT_TRUE(mission.won);
    EXPECT_TRUE(ship().landed);
}

TEST_F(PlanetaryMissions, EscapeIsWonOnlyBeyondTheLine) {
    Level_EsacpeVelocity mission;
    start(mission);
    checkAt(Vec2(3270.0, 200.0));
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(200.0, -2870.5));
    EXPECT_TRUE(mission.won);
}

TEST_F(PlanetaryMissions, OppositeSideNeedsALandingNearTheFarPoint) {
    Level_OppositeSide mission;
    start(mission);
    EXPECT_TRUE(ship().landed);  // set-up shared with the escape mission
    checkAt(Vec2(278.0, 200.0), true);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(130.0, 200.0), false);  // over the target but flying
    EXPECT_FALSE(mission.won);
    // Landed 10 units along the surface from the target point (130, 200).
    const double a = M_PI + 10.0 / 70.0;
    checkAt(Vec2(200.0 + 78.1 * std::cos(a), 200.0 + 78.1 * std::sin(a)), true);
    EXPECT_TRUE(mission.won);
}

TEST_F(PlanetaryMissions, BandTimerWinsOnlyAfterMoreThanTwentyThousandSteps) {
    Level_FirstOrbit mission;
    start(mission);
    checkAt(Vec2(450.0, 200.0), false, 5);
    EXPECT_TRUE(mission.inRange);
    EXPECT_EQ(mission.rangeStart, 5);
    checkAt(Vec2(450.0, 200.0), false, 20005);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(450.0, 200.0), false, 20006);
    EXPECT_TRUE(mission.won);
}

TEST_F(PlanetaryMissions, LeavingTheBandForOneStepRestartsTheTimer) {
    Level_FirstOrbit mission;
    start(mission);
    checkAt(Vec2(450.0, 200.0), false, 10);
    checkAt(Vec2(500.0, 200.0), false, 11);  // d = 300: outside
    EXPECT_FALSE(mission.inRange);
    checkAt(Vec2(450.0, 200.0), false, 12);
    EXPECT_EQ(mission.rangeStart, 12);
    checkAt(Vec2(450.0, 200.0), false, 20011);
    EXPECT_FALSE(mission.won);
    checkAt(Vec2(400.0, 200.0), false, 20011);  // d = 200: outside
    EXPECT_FALSE(mission.inRange);
}

TEST_F(PlanetaryMissions, CrossingTheBandOnARadialPathNeverWins) {
    Level_FirstOrbit mission;
    start(mission, {op(Thrust, 320)});  // rises to about 424, then falls back
    fly(60000);
    EXPECT_FALSE(mission.won);
    EXPECT_TRUE(ship().landed);
}

TEST_F(PlanetaryMissions, LunarLandingWantsTheMoonFirstThenThePlanet) {
    Level_LunarLanding mission;
    start(mission);
    ASSERT_EQ(world.bodies.size(), 2u);
    EXPECT_EQ(body(1).radius, 10.0);
    EXPECT_EQ(body(1).velocity.x, -0.07);
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

TEST_F(PlanetaryMissions, ChangeOfOrbitStartsInFlightFarOutsideItsBand) {
    Level_ChangeOfOrbit mission;
    start(mission);
    EXPECT_FALSE(ship().landed);
    EXPECT_NEAR((ship().position - body(0).position).length(), 424.26, 0.01);
    EXPECT_EQ(ship().angularVelocity, 0.0003141592653589793);
    EXPECT_EQ(body(0).spin, 0.001);
    checkAt(Vec2(325.0, 200.0), false, 3);
    EXPECT_TRUE(mission.inRange);
    checkAt(Vec2(350.0, 200.0), false, 4);  // d = 150: outside
    EXPECT_FALSE(mission.inRange);
}

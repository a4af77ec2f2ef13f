#include <cmath>

#include "missions/MissionParts.h"
#include "tests/missions/MissionTestSupport.h"

namespace {
// A mission with no behaviour of its own, to drive the shared parts directly.
class BareMission : public Level {
public:
    BareMission() : Level("Bare", "", 10.0f, 20.0f) {}
    void setup(World& world) override {
        won = false;
        failed = false;
        addPlanet(world,
                  {70.0, 4.9, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.001, earthMesh, earthTexture});
        addMarker(world, 10.0, Vec2(300.0, 0.0));
        placeShip(world, Vec2(500.0, 0.0), Vec2(0.0, 0.25), 1.0, 0.5);
    }
};
}  // namespace

class MissionParts : public MissionTest {
protected:
    void SetUp() override {
        MissionTest::SetUp();
        start(mission, {op(Thrust, 40), op(Left, 100), op(Right, -30), op(Wait, 5)});
    }
    BareMission mission;
    bool inRange = false;
    int rangeStart = 0;
};

TEST_F(MissionParts, BandTimerWinsOnlyPastTheCountFromTheStepOfTheLastEntry) {
    auto at = [&](int time, bool inside) {
        world.time = time;
        timedBandTest(mission, world, inside, inRange, rangeStart, 100);
    };
    at(3, true);
    at(90, false);
    EXPECT_FALSE(inRange);
    at(91, true);
    EXPECT_EQ(rangeStart, 91);
    at(191, true);
    EXPECT_FALSE(mission.won);
    at(192, true);
    EXPECT_TRUE(mission.won);
    // The whole program is charged: 40 thrust, 10 + 3 turn, 1.92 time.
    EXPECT_FLOAT_EQ(mission.score, 54.92f);
}

TEST_F(MissionParts, SectorAngleWrapsIntoOneTurn) {
    ship().position = Vec2(0.0, -100.0);
    EXPECT_DOUBLE_EQ(sectorAngle(world, body(0)), 1.5 * M_PI);
    body(0).angle = -20.0;  // far behind: still reduced to [0, 2π)
    const double a = sectorAngle(world, body(0));
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 2 * M_PI);
    EXPECT_NEAR(a, std::fmod(-0.5 * M_PI + 20.0, 2 * M_PI), 1e-12);
    body(0).angle = 0.0;
    ship().position = Vec2(100.0, 0.0);
    EXPECT_EQ(sectorAngle(world, body(0)), 0.0);
}

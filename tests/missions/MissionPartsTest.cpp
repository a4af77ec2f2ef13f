#include <cmath>
#include <vector>

#include "missions/MissionParts.h"
#include "tests/missions/MissionTestSupport.h"

namespace {
// A mission with no behaviour of its own, to drive the shared parts directly.
class BareMission : public Mission {
public:
    BareMission() : Mission("Bare", "", 10.0f, 20.0f) {}
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

TEST(SquaredDistance, ComparesWithEveryLimitAsTheRoundedRootWould) {
    // Squares at and a few ulps around each limit's square (where the root
    // may round onto the limit), near the billionth where the squares start
    // to decide, far off, and not numbers at all.
    const double limits[] = {16.0, 50.0, 90.0, 100.0, 150.0, 3070.0, 0.3, 1e-200, 1e200};
    for (double limit : limits) {
        const double square = limit * limit;
        std::vector<double> squares = {0.0, INFINITY, NAN, square * 4.0, square / 4.0};
        for (double step : {0.0, 1e-9, 1e-16})
            for (int k = -12; k <= 12; ++k) squares.push_back(square * (1.0 + k * step));
        double below = square, above = square;
        for (int k = 0; k < 12; ++k) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, INFINITY);
            squares.push_back(below);
            squares.push_back(above);
        }
        for (double s : squares) {
            const SquaredDistance d{s};
            EXPECT_EQ(d.above(limit), std::sqrt(s) > limit) << s << " " << limit;
            EXPECT_EQ(d.below(limit), std::sqrt(s) < limit) << s << " " << limit;
        }
    }
}

TEST_F(MissionParts, ShipDistancesSquaredMatchTheDistancesTheyStandFor) {
    ship().position = Vec2(3.0, -4.0);
    EXPECT_TRUE(shipSquaredDistance(world, Vec2(0.0, 0.0)).above(4.999999));
    EXPECT_FALSE(shipSquaredDistance(world, Vec2(0.0, 0.0)).below(5.0));
    EXPECT_FALSE(shipSquaredDistance(world, Vec2(0.0, 0.0)).above(5.0));
    // From body 1, the marker at (300, 0).
    EXPECT_EQ(shipSquaredDistanceToBody(world, 1).squared, 297.0 * 297.0 + 16.0);
}

#include <gtest/gtest.h>

#include <vector>

#include "sim/Rocket.h"

TEST(Rocket, ThrustPushesAlongTheHeadingAndSidewaysAQuarterTurnClockwiseAndLiftsOff) {
    struct Case {
        double angle;
        Vec2 amount, expected;
    };
    const std::vector<Case> cases = {
        {0.0, Vec2(1000.0, 0.0), Vec2(1.5, -0.25)},
        {1.5707963267948966, Vec2(500.0, 0.0), Vec2(0.5, 0.25)},
        {0.0, Vec2(0.0, 1000.0), Vec2(0.5, -1.25)},
    };
    for (const Case& c : cases) {
        Rocket ship;
        ship.landed = true;
        ship.angle = c.angle;
        ship.velocity = Vec2(0.5, -0.25);
        ship.thrust(c.amount);
        EXPECT_NEAR(ship.velocity.x, c.expected.x, 1e-15) << c.angle << " " << c.amount.y;
        EXPECT_DOUBLE_EQ(ship.velocity.y, c.expected.y) << c.angle << " " << c.amount.y;
        EXPECT_FALSE(ship.landed);
    }
}

TEST(Rocket, FullRightTurnsOneDegreePerStepAndASecondDoublesIt) {
    const double degree = 1.7453292519943296e-05 * 1000;
    Rocket ship;
    ship.landed = true;
    ship.turn(-1000.0);
    EXPECT_FALSE(ship.landed);
    EXPECT_DOUBLE_EQ(ship.angularVelocity, -degree);
    ship.turn(-1000.0);
    EXPECT_DOUBLE_EQ(ship.angularVelocity, -2 * degree);
}

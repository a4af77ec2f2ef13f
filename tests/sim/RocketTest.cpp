#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/Application.h"
#include "render/Mesh.h"
#include "render/Texture.h"
#include "sim/Rocket.h"

namespace {
const double degree = 1.7453292519943296e-05 * 1000;
const std::string triangleFile = ASTRELLO_SOURCE_DIR "/tests/render/data/triangle.obj";
}  // namespace

TEST(Rocket, FullThrustAlongHeadingZeroAddsOneUnitOfSpeedAndLiftsOff) {
    Rocket ship;
    ship.landed = true;
    ship.velocity = Vec2(0.5, -0.25);
    ship.thrust(Vec2(1000.0, 0.0));
    EXPECT_EQ(ship.velocity.x, 1.5);
    EXPECT_EQ(ship.velocity.y, -0.25);
    EXPECT_FALSE(ship.landed);
}

TEST(Rocket, ThrustActsAlongTheHeading) {
    Rocket ship;
    ship.angle = 1.5707963267948966;
    ship.thrust(Vec2(500.0, 0.0));
    EXPECT_NEAR(ship.velocity.x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(ship.velocity.y, 0.5);
}

TEST(Rocket, SidewaysThrustPushesAQuarterTurnClockwise) {
    Rocket ship;
    ship.thrust(Vec2(0.0, 1000.0));
    EXPECT_NEAR(ship.velocity.x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(ship.velocity.y, -1.0);
}

TEST(Rocket, FullRightTurnsOneDegreePerStepAndASecondDoublesIt) {
    Rocket ship;
    ship.landed = true;
    ship.turn(-1000.0);
    EXPECT_FALSE(ship.landed);
    EXPECT_DOUBLE_EQ(ship.angularVelocity, -degree);
    ship.turn(-1000.0);
    EXPECT_DOUBLE_EQ(ship.angularVelocity, -2 * degree);
}

TEST(Rocket, ProgramCommandsDriveTheShip) {
    Rocket ship;
    ship.program = {{Thrust, 1000}, {Left, 1000}};
    ship.step();
    ship.step();
    EXPECT_EQ(ship.velocity.x, 1.0);
    EXPECT_DOUBLE_EQ(ship.angularVelocity, degree);
    // The machine moves nothing itself: position is the world's business.
    EXPECT_EQ(ship.position.x, 0.0);
}

TEST(Rocket, LoadTakesItsMeshAndACachedTexture) {
    app.textures.headless = true;
    Rocket ship;
    ship.load(triangleFile, "models/test_tex.png");
    ASSERT_NE(ship.mesh, nullptr);
    EXPECT_EQ(ship.mesh->positions.size(), 3u);
    EXPECT_EQ(ship.mesh->faces.size(), 1u);
    ASSERT_NE(ship.texture, nullptr);
    EXPECT_EQ(ship.texture, getTexture("models/test_tex.png"));
}

TEST(Rocket, LoadingTwiceReplacesTheMesh) {
    app.textures.headless = true;
    Rocket ship;
    ship.load(triangleFile, "models/test_tex.png");
    ship.load(triangleFile, "models/test_tex.png");
    EXPECT_EQ(ship.mesh->faces.size(), 1u);
}

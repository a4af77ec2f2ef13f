#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// Heap allocations made while counting is on (AllocationCounter.cpp).
extern bool countingAllocations;
extern long allocations;

namespace {

const double quarterTurn = 1.5707963267948966;

struct BodyPlan {
    double radius;
    double mass;
    Vec2 position;
    Vec2 velocity = Vec2();
    double spin = 0.0;
    bool solid = true;
};

// A mission made up on the spot: bodies and ship as given, an optional check.
struct TestMission : Mission {
    TestMission() : Mission("Test", "Test briefing", 10.0f, 20.0f) {}

    std::vector<BodyPlan> plans;
    Vec2 shipPosition;
    Vec2 shipVelocity;
    double shipAngle = 0.0;
    std::function<void(TestMission&, World&)> check;
    int setups = 0;

    void setup(World& world) override {
        won = false;
        failed = false;
        ++setups;
        for (const BodyPlan& plan : plans) {
            Body* body = new Body;
            body->radius = plan.radius;
            body->mass = plan.mass;
            body->position = plan.position;
            body->velocity = plan.velocity;
            body->spin = plan.spin;
            body->solid = plan.solid;
            world.bodies.push_back(body);
        }
        Rocket& ship = *world.rocket;
        ship.position = shipPosition;
        ship.velocity = shipVelocity;
        ship.angle = shipAngle;
        ship.angularVelocity = 0.0;
        ship.landed = false;
        ship.radius = 8.0;
    }
    void update(World& world) override {
        if (check) check(*this, world);
    }
};

// The first launch set-up: a planet of radius 70 at (200, 200), the ship inside it.
BodyPlan planet(double spin = 0.0) { return BodyPlan{70.0, 4.9, Vec2(200.0, 200.0), Vec2(), spin}; }

double distance(Vec2 a, Vec2 b) { return (a - b).length(); }

bool finite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

struct WorldFixture : testing::Test {
    World world;
    TestMission mission;

    void start() {
        world.mission = &mission;
        world.reset();
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i) world.step();
    }
    Rocket& ship() { return *world.rocket; }
};

using WorldReset = WorldFixture;
using WorldStep = WorldFixture;
using WorldView = WorldFixture;

}  // namespace

TEST_F(WorldReset, WithoutAMissionOnlySetsTheSpeed) {
    world.speed = 50;
    world.time = 7;
    world.reset();
    EXPECT_EQ(world.speed, 1000);
    EXPECT_EQ(world.rocket, nullptr);
    EXPECT_TRUE(world.bodies.empty());
    EXPECT_EQ(world.time, 7);
}

TEST_F(WorldReset, ShipPlacedInsideABodyStartsOnItsSurfaceFacingAway) {
    struct Case {
        std::vector<BodyPlan> plans;
        Vec2 ship;
        int landedOn;
        Vec2 expected;
    };
    const std::vector<Case> cases = {
        {{planet()}, Vec2(270.0, 200.0), 0, Vec2(278.0, 200.0)},
        // At the very centre there is no direction: lifted along +x.
        {{planet()}, Vec2(200.0, 200.0), 0, Vec2(278.0, 200.0)},
        // Inside two bodies: rests on the later one (lifted out of each in turn).
        {{BodyPlan{50.0, 1.0, Vec2(0.0, 0.0)}, BodyPlan{50.0, 1.0, Vec2(60.0, 0.0)}},
         Vec2(30.0, 10.0),
         1,
         Vec2(44.81243429790517, 55.97622573954547)},
    };
    for (const Case& c : cases) {
        mission.plans = c.plans;
        mission.shipPosition = c.ship;
        start();
        EXPECT_TRUE(ship().landed);
        EXPECT_EQ(ship().landedOn, world.bodies[size_t(c.landedOn)]);
        EXPECT_NEAR(ship().position.x, c.expected.x, 1e-12) << c.ship.x;
        EXPECT_NEAR(ship().position.y, c.expected.y, 1e-12) << c.ship.x;
        EXPECT_NEAR(distance(ship().position, world.bodies[size_t(c.landedOn)]->position),
                    c.plans[size_t(c.landedOn)].radius + 8.0, 1e-12);
        Vec2 out = ship().position - world.bodies[size_t(c.landedOn)]->position;
        EXPECT_NEAR(ship().angle, std::atan2(out.y, out.x), 1e-15);
        EXPECT_EQ(ship().velocity.x, 0.0);
        EXPECT_EQ(ship().velocity.y, 0.0);
        steps(10);
        EXPECT_TRUE(ship().landed);
        EXPECT_NEAR(distance(ship().position, world.bodies[size_t(c.landedOn)]->position),
                    c.plans[size_t(c.landedOn)].radius + 8.1, 1e-9);
    }
}

TEST_F(WorldReset, KeepsTheProgramAndRewindsItUnlessAskedToClearIt) {
    mission.plans = {planet()};
    start();
    ship().program = {{Thrust, 100}, {Wait, 20}, {Left, -3}};
    steps(5);
    world.time = 99;
    world.reset();
    ASSERT_EQ(ship().program.size(), 3u);
    EXPECT_EQ(ship().program[1].opcode, Wait);
    EXPECT_EQ(ship().program[2].value, -3);
    EXPECT_EQ(ship().pc, 0);
    EXPECT_EQ(ship().currentLine, 0);
    EXPECT_EQ(ship().waitCounter, 0);
    EXPECT_EQ(world.time, 0);
    EXPECT_EQ(mission.setups, 2);
    // Entering a mission from the menu starts with an empty program.
    world.clearProgramAndReset();
    EXPECT_TRUE(ship().program.empty());
}

TEST_F(WorldStep, ShipAtRestFeelsGravityAndMovesInTheSameStep) {
    mission.plans = {BodyPlan{10.0, 4.9, Vec2(200.0, 200.0)}};
    mission.shipPosition = Vec2(300.0, 200.0);
    start();
    world.step();
    EXPECT_DOUBLE_EQ(ship().velocity.x, -0.00049);
    EXPECT_EQ(ship().velocity.y, 0.0);
    EXPECT_EQ(ship().position.x, 300.0 + ship().velocity.x);
    EXPECT_EQ(world.bodies[0]->position.x, 200.0);
    EXPECT_EQ(world.time, 1);
}

TEST_F(WorldStep, BodiesMoveInPlaceSoLaterOnesSeeEarlierNewPositions) {
    mission.plans = {BodyPlan{1.0, 2.0, Vec2(0.0, 0.0), Vec2(0.0, 3.0)},
                   BodyPlan{1.0, 5.0, Vec2(40.0, 0.0)}};
    mission.shipPosition = Vec2(1000.0, 1000.0);
    start();
    world.step();
    const Body& a = *world.bodies[0];
    const Body& b = *world.bodies[1];
    // The first body was pulled towards (40, 0) from the origin.
    EXPECT_DOUBLE_EQ(a.velocity.x, 5.0 / 1600.0);
    EXPECT_EQ(a.position.x, a.velocity.x);
    EXPECT_EQ(a.position.y, 3.0);
    // The second one was pulled towards where the first one already is.
    Vec2 d = a.position - Vec2(40.0, 0.0);
    double r = d.length();
    EXPECT_DOUBLE_EQ(b.velocity.x, 2.0 * d.x / (r * r * r));
    EXPECT_DOUBLE_EQ(b.velocity.y, 2.0 * d.y / (r * r * r));
    EXPECT_GT(b.velocity.y, 0.0);
}

TEST_F(WorldStep, NonSolidBodiesFallButPullNothing) {
    mission.plans = {BodyPlan{10.0, 4.9, Vec2(0.0, 0.0)},
                   BodyPlan{3.0, 1000.0, Vec2(100.0, 0.0), Vec2(), 0.0, false}};
    mission.shipPosition = Vec2(-1000.0, 0.0);
    start();
    world.step();
    EXPECT_EQ(world.bodies[0]->velocity.x, 0.0);
    EXPECT_LT(world.bodies[1]->velocity.x, 0.0);
}

TEST_F(WorldStep, MarkerInsideAPlanetDoesNotAffectTheShip) {
    TestMission plain;
    plain.plans = {planet()};
    plain.shipPosition = Vec2(200.0, 290.0);
    plain.shipVelocity = Vec2(0.01, -0.5);
    World plainWorld;
    plainWorld.mission = &plain;
    plainWorld.reset();

    // The marker overlaps the ship's start and lies in its path.
    mission.plans = {planet(), BodyPlan{30.0, 50.0, Vec2(200.0, 260.0), Vec2(), 0.0, false}};
    mission.shipPosition = plain.shipPosition;
    mission.shipVelocity = plain.shipVelocity;
    start();
    for (int i = 0; i < 300; ++i) {
        world.step();
        plainWorld.step();
        ASSERT_EQ(ship().position.x, plainWorld.rocket->position.x) << i;
        ASSERT_EQ(ship().position.y, plainWorld.rocket->position.y) << i;
        ASSERT_EQ(ship().landed, plainWorld.rocket->landed) << i;
    }
    EXPECT_TRUE(ship().landed);  // the flight did reach the planet
}

TEST_F(WorldStep, TouchingAtHighSpeedIsALandingWithoutBounce) {
    mission.plans = {planet()};
    mission.shipPosition = Vec2(200.0, 400.0);
    mission.shipVelocity = Vec2(0.0, -150.0);
    start();
    world.step();
    // The ship moved deep into the planet; contact is found at the next step.
    EXPECT_FALSE(ship().landed);
    EXPECT_NEAR(distance(ship().position, world.bodies[0]->position), 50.0, 1e-3);
    world.step();
    EXPECT_TRUE(ship().landed);
    EXPECT_EQ(ship().landedOn, world.bodies[0]);
    EXPECT_NEAR(distance(ship().position, world.bodies[0]->position), 78.1, 1e-12);
    EXPECT_EQ(ship().velocity.x, 0.0);
    EXPECT_EQ(ship().velocity.y, 0.0);
    EXPECT_NEAR(ship().angle, quarterTurn, 1e-15);  // pointing away from the centre
    steps(10);
    EXPECT_TRUE(ship().landed);
    EXPECT_NEAR(ship().position.y, 278.1, 1e-12);
}

TEST_F(WorldStep, LandedShipRidesASpinningPlanet) {
    mission.plans = {planet(0.001)};
    mission.shipPosition = Vec2(270.0, 200.0);
    start();
    steps(1000);
    const Body& body = *world.bodies[0];
    EXPECT_TRUE(ship().landed);
    EXPECT_NEAR(ship().angle, 1.0, 1e-12);
    EXPECT_NEAR(distance(ship().position, body.position), 78.1, 1e-9);
    // It keeps its place relative to the body: radial heading, same side.
    Vec2 out = ship().position - body.position;
    EXPECT_NEAR(std::atan2(out.y, out.x), ship().angle - 0.001, 1e-9);
    EXPECT_NEAR(ship().angle - body.angle, 0.0, 1e-12);
    // Its velocity is that of the turning surface.
    EXPECT_NEAR(ship().velocity.x, std::cos(ship().angle - 0.001 + quarterTurn) * 78.0 * 0.001,
                1e-15);
}

TEST_F(WorldStep, LandedShipMovesWithAMovingBody) {
    mission.plans = {BodyPlan{20.0, 1.0, Vec2(0.0, 0.0), Vec2(0.5, 0.05)}};
    mission.shipPosition = Vec2(0.0, 10.0);
    start();
    world.step();
    const Body& body = *world.bodies[0];
    Vec2 offset = ship().position - body.position;
    steps(40);
    EXPECT_TRUE(ship().landed);
    EXPECT_DOUBLE_EQ(ship().velocity.x, 0.5);
    EXPECT_DOUBLE_EQ(ship().velocity.y, 0.05);
    EXPECT_NEAR(ship().position.x - body.position.x, offset.x, 1e-9);
    EXPECT_NEAR(ship().position.y - body.position.y, offset.y, 1e-9);
    EXPECT_NEAR(offset.length(), 28.1, 1e-12);
}

TEST_F(WorldStep, TurnGivenOnTheGroundIsLostWhenTheShipSettlesAgain) {
    mission.plans = {planet()};
    mission.shipPosition = Vec2(270.0, 200.0);
    start();
    ship().program = {{Left, 1000}};
    world.step();
    EXPECT_FALSE(ship().landed);
    EXPECT_GT(ship().angularVelocity, 0.0);
    world.step();
    EXPECT_FALSE(ship().landed);
    EXPECT_GT(ship().angle, 0.0);  // flying and turning
    int step = 2;
    while (!ship().landed && step < 100) {
        world.step();
        ++step;
    }
    ASSERT_TRUE(ship().landed);
    EXPECT_EQ(ship().angle, 0.0);
    EXPECT_EQ(ship().angularVelocity, 0.0);
    EXPECT_NEAR(ship().position.x, 278.1, 1e-12);
}

TEST_F(WorldStep, AFailedMissionFreezesEverythingAndAWonOneOnlyTheClock) {
    for (bool fail : {true, false}) {
        mission.plans = {BodyPlan{10.0, 4.9, Vec2(0.0, 0.0), Vec2(0.1, 0.0)}};
        mission.shipPosition = Vec2(100.0, 0.0);
        mission.check = [fail](TestMission& l, World& w) {
            if (w.time == 5) (fail ? l.failed : l.won) = true;
        };
        start();
        steps(6);
        EXPECT_EQ(world.time, 5);
        Vec2 ship6 = ship().position;
        double body6 = world.bodies[0]->position.x;
        steps(10);
        EXPECT_EQ(world.time, 5);
        EXPECT_EQ(ship().position.x == ship6.x, fail) << fail;
        EXPECT_EQ(world.bodies[0]->position.x == body6, fail) << fail;
    }
}

TEST_F(WorldStep, TheMissionCheckSeesTheStepsResults) {
    mission.plans = {planet()};
    mission.shipPosition = Vec2(270.0, 200.0);
    std::vector<int> seenPc;
    mission.check = [&seenPc](TestMission&, World& w) { seenPc.push_back(w.rocket->pc); };
    start();
    ship().program = {{Thrust, 1}, {Thrust, 1}};
    steps(3);
    EXPECT_EQ(seenPc, (std::vector<int>{1, 2, 2}));
}

TEST_F(WorldStep, StepAllocatesAndPrintsNothing) {
    mission.plans = {planet(0.002), BodyPlan{10.0, 0.2, Vec2(400.0, 200.0), Vec2(0.0, 0.15)},
                   BodyPlan{5.0, 0.0, Vec2(300.0, 300.0), Vec2(), 0.0, false}};
    mission.shipPosition = Vec2(270.0, 200.0);
    start();
    ship().program = {{Thrust, 1000}, {Left, 200}, {Wait, 30}, {Sleep, 1}};
    testing::internal::CaptureStdout();
    allocations = 0;
    countingAllocations = true;
    steps(3000);
    countingAllocations = false;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(allocations, 0);
}

TEST_F(WorldStep, CoincidentBodiesKeepNaNOutOfTheWorld) {
    mission.plans = {BodyPlan{10.0, 4.9, Vec2(0.0, 0.0)}, BodyPlan{10.0, 4.9, Vec2(0.0, 0.0)},
                   BodyPlan{5.0, 1.0, Vec2(0.0, 100.0), Vec2(), 0.0, false}};
    mission.shipPosition = Vec2(200.0, 0.0);
    start();
    steps(50);
    for (const Body* body : world.bodies) {
        EXPECT_TRUE(finite(body->position));
        EXPECT_TRUE(finite(body->velocity));
    }
    EXPECT_EQ(world.bodies[0]->velocity.x, 0.0);
    EXPECT_TRUE(finite(ship().position));
    EXPECT_TRUE(std::isfinite(world.viewScale));
}

TEST_F(WorldView, WithoutAViewSizeFramesEveryBodyAtScaleOne) {
    mission.plans = {planet(), BodyPlan{4.0, 0.0, Vec2(0.0, 900.0), Vec2(), 0.0, false}};
    mission.shipPosition = Vec2(270.0, 200.0);
    start();
    World::View view = world.computeView();
    // x spans -150..550 (planet), y spans -150..920 (planet, marker).
    EXPECT_DOUBLE_EQ(view.center.x, 200.0);
    EXPECT_DOUBLE_EQ(view.center.y, 385.0);
    EXPECT_DOUBLE_EQ(view.scale, 0.95 / 1070.0);
}

TEST_F(WorldView, WideContentUsesTheViewsExtraWidth) {
    // Content 1400 x 700 on an 800 x 600 view: q = 1.5, s = (4/3 - 1) * 0.5 + 1.
    mission.plans = {BodyPlan{70.0, 1.0, Vec2(0.0, 0.0)}, BodyPlan{70.0, 1.0, Vec2(700.0, 0.0)}};
    mission.shipPosition = Vec2(350.0, 0.0);
    start();
    world.viewWidth = 800.0f;
    world.viewHeight = 600.0f;
    EXPECT_NEAR(world.computeView().scale, (7.0 / 6.0) * 0.95 / 1400.0, 1e-7 * 0.95 / 1400.0);
    // A board wider than the content keeps s = 1.
    world.viewWidth = 2000.0f;
    EXPECT_DOUBLE_EQ(world.computeView().scale, 0.95 / 1400.0);
    // On a tall board the content is scaled down to fit its width.
    world.viewWidth = 600.0f;
    world.viewHeight = 1200.0f;
    EXPECT_NEAR(world.computeView().scale, 0.5 * 0.95 / 1400.0, 1e-7 * 0.95 / 1400.0);
}

TEST_F(WorldView, StepStoresTheCamera) {
    mission.plans = {planet()};
    mission.shipPosition = Vec2(270.0, 200.0);
    start();
    EXPECT_EQ(world.viewScale, 0.0);
    world.step();
    World::View view = world.computeView();
    EXPECT_EQ(world.viewScale, view.scale);
    EXPECT_EQ(world.viewCenter.x, view.center.x);
    EXPECT_EQ(world.viewCenter.y, view.center.y);
}

namespace {

// The designed order of one step, written out plainly, to hold the world's
// faster passes to it bit for bit.
struct PlainShip {
    Vec2 position, velocity;
    double radius = 8.0, angle = 0.0, turn = 0.0;
    bool landed = false;
    int on = -1;
};

void plainPull(Vec2& velocity, double mass, Vec2 d) {
    double r2 = d.x * d.x + 0.0 + d.y * d.y;
    double r3 = std::sqrt(r2) * r2;
    velocity = velocity + (mass * d) / r3;
}

void plainStep(std::vector<BodyPlan>& bodies, PlainShip& s) {
    for (size_t i = 0; i < bodies.size(); ++i) {
        for (size_t j = 0; j < bodies.size(); ++j)
            if (j != i && bodies[j].solid)
                plainPull(bodies[i].velocity, bodies[j].mass,
                          bodies[j].position - bodies[i].position);
        bodies[i].position = bodies[i].position + bodies[i].velocity;
    }
    for (size_t i = 0; i < bodies.size(); ++i) {
        const BodyPlan& b = bodies[i];
        Vec2 d = b.position - s.position;
        double R = s.radius + b.radius;
        if (!b.solid || !(d.x * d.x + 0.0 + d.y * d.y < R * R)) continue;
        s.position = b.position - d * (R / d.length());
        s.velocity = Vec2(0.0, 0.0);
        s.landed = true;
        s.angle = std::atan2(-d.y, -d.x);
        s.on = int(i);
    }
    if (s.landed) {
        const BodyPlan& b = bodies[size_t(s.on)];
        double R = s.radius + b.radius;
        s.position = Vec2(std::cos(s.angle) * (R + 0.1) + b.position.x,
                          std::sin(s.angle) * (R + 0.1) + b.position.y);
        s.velocity = Vec2(std::cos(s.angle + quarterTurn) * R * b.spin + b.velocity.x,
                          std::sin(s.angle + quarterTurn) * R * b.spin + b.velocity.y);
        s.turn = 0.0;
        s.angle += b.spin;
    } else {
        for (const BodyPlan& b : bodies)
            if (b.solid) plainPull(s.velocity, b.mass, b.position - s.position);
        s.position = s.position + s.velocity;
        s.angle += s.turn;
    }
}

}  // namespace

TEST_F(WorldStep, FlightsLandingsAndTakeOffsFollowTheDesignedOrderBitForBit) {
    mission.plans = {BodyPlan{40.0, 3.0, Vec2(0.0, 0.0), Vec2(0.0, -0.05), 0.002},
                   BodyPlan{30.0, 2.0, Vec2(250.0, 0.0), Vec2(0.0, 0.08), -0.001},
                   BodyPlan{10.0, 0.0, Vec2(100.0, 100.0), Vec2(), 0.0, false}};
    mission.shipPosition = Vec2(0.0, 45.0);
    start();
    std::vector<BodyPlan> bodies = mission.plans;
    PlainShip plain;
    plain.position = ship().position;
    plain.angle = ship().angle;
    plain.landed = ship().landed;
    plain.on = 0;
    std::mt19937 g(7);
    std::uniform_real_distribution<double> kick(-0.5, 0.5);
    int landedSteps = 0, landedOnSecond = 0;
    for (int step = 0; step < 8000; ++step) {
        if (step % 150 == 0) {  // a push and a turn, as thrust and turn commands give
            // Towards each planet in turn, give or take a little.
            const Vec2 aim = world.bodies[size_t(step / 150 % 2)]->position - ship().position;
            const Vec2 dv = aim * 0.01 + Vec2(kick(g), kick(g));
            const double turn = kick(g) * 1e-3;
            ship().velocity += dv;
            ship().angularVelocity = turn;
            ship().landed = false;
            plain.velocity += dv;
            plain.turn = turn;
            plain.landed = false;
        }
        world.step();
        plainStep(bodies, plain);
        ASSERT_EQ(ship().landed, plain.landed) << step;
        ASSERT_EQ(ship().position.x, plain.position.x) << step;
        ASSERT_EQ(ship().position.y, plain.position.y) << step;
        ASSERT_EQ(ship().velocity.x, plain.velocity.x) << step;
        ASSERT_EQ(ship().velocity.y, plain.velocity.y) << step;
        ASSERT_EQ(ship().angle, plain.angle) << step;
        for (size_t i = 0; i < bodies.size(); ++i) {
            ASSERT_EQ(world.bodies[i]->position.x, bodies[i].position.x) << step;
            ASSERT_EQ(world.bodies[i]->velocity.y, bodies[i].velocity.y) << step;
        }
        if (plain.landed) {
            ASSERT_EQ(ship().landedOn, world.bodies[size_t(plain.on)]) << step;
            ++landedSteps;
            landedOnSecond += plain.on == 1;
        }
    }
    // Every path was taken: flying, resting, and landings on both planets.
    EXPECT_GT(landedSteps, 100);
    EXPECT_LT(landedSteps, 7900);
    EXPECT_GT(landedOnSecond, 0);
}

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <tuple>
#include <vector>

#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const double quarterTurn = 1.5707963267948966;

struct BodyPlan {
    double radius, mass;
    Vec2 position, velocity = Vec2();
    double spin = 0.0;
    bool solid = true;
};

// A mission made up on the spot: bodies and ship as given, an optional check.
struct TestMission : Mission {
    TestMission() : Mission("Test", "", 10.0f, 20.0f) {}
    std::vector<BodyPlan> plans;
    Vec2 shipPosition;
    std::function<void(TestMission&, World&)> check;

    void setup(World& world) override {
        won = failed = false;
        for (const BodyPlan& plan : plans) {
            world.bodies.push_back(new Body);
            Body& b = *world.bodies.back();
            std::tie(b.radius, b.mass, b.position, b.velocity, b.spin, b.solid) =
                std::tie(plan.radius, plan.mass, plan.position, plan.velocity, plan.spin, plan.solid);
        }
        world.rocket->position = shipPosition;
        world.rocket->radius = 8.0;
    }
    void update(World& world) override {
        if (check) check(*this, world);
    }
};

struct WorldStep : testing::Test {
    World world;
    TestMission mission;
    Rocket& ship() { return *world.rocket; }
    void start(std::vector<BodyPlan> plans, Vec2 shipAt) {
        mission.plans = std::move(plans);
        mission.shipPosition = shipAt;
        world.mission = &mission;
        world.reset();
    }
};

// One step in its plain order, written out step by step, to hold the world's
// faster passes to it bit for bit.
struct PlainShip {
    Vec2 position, velocity;
    double angle = 0.0, turn = 0.0;
    bool landed = false;
    int on = -1;
};

void plainPull(Vec2& velocity, double mass, Vec2 d) {
    double r2 = d.x * d.x + 0.0 + d.y * d.y;
    velocity = velocity + (mass * d) / (std::sqrt(r2) * r2);
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
        double R = 8.0 + b.radius;
        if (!b.solid || !(d.x * d.x + 0.0 + d.y * d.y < R * R)) continue;
        s.position = b.position - d * (R / d.length());
        s.velocity = Vec2(0.0, 0.0);
        s.landed = true;
        s.angle = std::atan2(-d.y, -d.x);
        s.on = int(i);
    }
    if (s.landed) {
        const BodyPlan& b = bodies[size_t(s.on)];
        double R = 8.0 + b.radius;
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

TEST_F(WorldStep, FlightsLandingsAndTakeOffsFollowThePlainOrderBitForBit) {
    // Two spinning, moving planets and a heavy marker that must pull nothing
    // and never be landed on.
    start({BodyPlan{40.0, 3.0, Vec2(0.0, 0.0), Vec2(0.0, -0.05), 0.002},
           BodyPlan{30.0, 2.0, Vec2(250.0, 0.0), Vec2(0.0, 0.08), -0.001},
           BodyPlan{60.0, 5.0, Vec2(120.0, 0.0), Vec2(), 0.0, false}},
          Vec2(0.0, 45.0));
    std::vector<BodyPlan> bodies = mission.plans;
    PlainShip plain{ship().position, Vec2(), ship().angle, 0.0, ship().landed, 0};
    std::mt19937 g(7);
    std::uniform_real_distribution<double> kick(-0.5, 0.5);
    int landedSteps = 0, landedOnSecond = 0;
    for (int step = 0; step < 8000; ++step) {
        if (step % 150 == 0) {  // a push and a turn, as thrust and turn commands give
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
        const Rocket& s = ship();
        ASSERT_TRUE(s.landed == plain.landed && s.position.x == plain.position.x &&
                    s.position.y == plain.position.y && s.velocity.x == plain.velocity.x &&
                    s.velocity.y == plain.velocity.y && s.angle == plain.angle)
            << step;
        for (size_t i = 0; i < bodies.size(); ++i)
            ASSERT_TRUE(world.bodies[i]->position.x == bodies[i].position.x &&
                        world.bodies[i]->velocity.y == bodies[i].velocity.y)
                << step;
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

TEST_F(WorldStep, AFailedMissionFreezesEverythingAndAWonOneOnlyTheClock) {
    for (bool fail : {true, false}) {
        mission.check = [fail](TestMission& l, World& w) {
            if (w.time == 5) (fail ? l.failed : l.won) = true;
        };
        start({BodyPlan{10.0, 4.9, Vec2(0.0, 0.0), Vec2(0.1, 0.0)}}, Vec2(100.0, 0.0));
        for (int i = 0; i < 6; ++i) world.step();
        const Vec2 shipAt = ship().position;
        const double bodyAt = world.bodies[0]->position.x;
        for (int i = 0; i < 10; ++i) world.step();
        EXPECT_EQ(world.time, 5);
        EXPECT_EQ(ship().position.x == shipAt.x, fail) << fail;
        EXPECT_EQ(world.bodies[0]->position.x == bodyAt, fail) << fail;
    }
}

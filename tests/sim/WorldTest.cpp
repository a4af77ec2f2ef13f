// Whole runs: every stored solution passes through the recorded state of
// every step, and a world copied at any point flies on, on another thread,
// exactly as the original does.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

#include "missions/Flight.h"
#include "missions/Mission.h"
#include "sim/ProgramText.h"
#include "sim/World.h"
#include "tests/support/SimSupport.h"

namespace {

// FNV-1a over the bits of everything a step moves: ship and bodies.
struct StateHash {
    uint64_t value = 1469598103934665603ull;
    void add(const void* data, size_t size) {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
    }
    void add(const World& world) {
        const Rocket& ship = *world.rocket;
        for (double d : {ship.position.x, ship.position.y, ship.velocity.x, ship.velocity.y,
                         ship.angle, ship.angularVelocity})
            add(&d, sizeof d);
        add(&ship.landed, sizeof ship.landed);
        for (const Body& b : world.bodies)
            for (double d : {b.position.x, b.position.y, b.velocity.x, b.velocity.y, b.angle})
                add(&d, sizeof d);
        add(&world.time, sizeof world.time);
    }
    std::string hex() const {
        char text[20];
        std::snprintf(text, sizeof text, "%016" PRIx64, value);
        return text;
    }
};

struct Solution {
    const Mission* mission;
    std::string name, program;
};

std::vector<Solution> solutions() {
    std::vector<Solution> all;
    for (const std::string& line : dataLines("solutions.tsv")) {
        const size_t tab = line.find('\t');
        all.push_back({solutionMission(line.substr(0, tab)), line.substr(0, tab), line.substr(tab + 1)});
    }
    return all;
}

void load(World& world, const Solution& s) {
    world.mission = s.mission;
    world.clearProgramAndReset();
    parseProgramText(s.program, world.rocket->program);
    world.reset();
}

// Steps `world` until its run ends, hashing every state on the way.
std::string flyOn(World& world) {
    StateHash hash;
    for (long i = 0; i < 3000000 && !world.result.won && !world.result.failed; ++i) {
        world.step();
        hash.add(world);
    }
    return hash.hex() + " " + std::to_string(world.result.score);
}

}  // namespace

TEST(World, EveryStoredSolutionPassesThroughTheRecordedStateOfEveryStep) {
    const std::vector<std::string> expected = dataLines("solution_runs.txt");
    const std::vector<Solution> all = solutions();
    ASSERT_EQ(all.size(), expected.size());
    for (size_t i = 0; i < all.size(); ++i) {
        ASSERT_TRUE(all[i].mission) << all[i].name;
        StateHash hash;
        flyMission(testWorld(), *all[i].mission, all[i].program, 3000000,
                   [&hash](long, const World& world) { hash.add(world); });
        EXPECT_EQ(all[i].name + "\t" + hash.hex(), expected[i]);
    }
}

TEST(World, ACopyTakenAtAnyStepFliesOnBitForBitOnAnotherThread) {
    for (const Solution& s : solutions()) {
        World original;
        load(original, s);
        World probe = original;
        long steps = 0;
        while (!probe.result.won && !probe.result.failed) {
            probe.step();
            ++steps;
        }
        // On the ground at the start (most missions), in mid-flight, and just before the end.
        for (long at : {0L, steps / 2, steps - 1}) {
            load(original, s);
            for (long i = 0; i < at; ++i) original.step();
            World copy = original;
            World assigned;
            assigned = original;
            std::string copied, assignedRun;
            std::thread other([&] { copied = flyOn(copy); });
            std::thread third([&] { assignedRun = flyOn(assigned); });
            const std::string flown = flyOn(original);
            other.join();
            third.join();
            EXPECT_EQ(copied, flown) << s.name << " copied at step " << at;
            EXPECT_EQ(assignedRun, flown) << s.name << " assigned at step " << at;
        }
    }
}

namespace {

// Rules under which a run is won or failed at step 5, in a world of one moving body.
struct EndsAtFive : Rules {
    bool fail = false;
    void setup(World& world) const override {
        Body body;
        body.radius = 10.0;
        body.mass = 4.9;
        body.velocity = Vec2(0.1, 0.0);
        world.bodies.push_back(body);
        world.rocket->position = Vec2(100.0, 0.0);
    }
    std::unique_ptr<Judge> judge() const override { return std::make_unique<Run>(fail); }
    struct Run : Judge {
        explicit Run(bool f) : fail(f) {}
        bool fail;
        std::unique_ptr<Judge> clone() const override { return std::make_unique<Run>(*this); }
        void update(World& w) override {
            if (w.time == 5) (fail ? w.result.failed : w.result.won) = true;
        }
    };
};

}  // namespace

TEST(World, AFailedRunFreezesEverythingAndAWonOneOnlyTheClock) {
    for (bool fail : {true, false}) {
        EndsAtFive rules;
        rules.fail = fail;
        World world;
        world.mission = &rules;
        world.reset();
        for (int i = 0; i < 6; ++i) world.step();
        const Vec2 shipAt = world.rocket->position;
        const double bodyAt = world.bodies[0].position.x;
        for (int i = 0; i < 10; ++i) world.step();
        EXPECT_EQ(world.time, 5);
        EXPECT_EQ(world.rocket->position.x == shipAt.x, fail) << fail;
        EXPECT_EQ(world.bodies[0].position.x == bodyAt, fail) << fail;
    }
}

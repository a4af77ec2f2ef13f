#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/Application.h"
#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/BodyTrack.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/sim/LineMission.h"

// Heap allocations made while counting is on (AllocationCounter.cpp).
extern bool countingAllocations;
extern long allocations;

namespace {

// Two planets circling each other and a marker they pull, beside the
// ship's line: everything the motion of bodies can do.
class PairMission : public LineMission {
public:
    double pairDistance = 300.0;

    void setup(World& world) override {
        addBody(world, Vec2(0.0, pairDistance), Vec2(0.06, 0.0), true);
        addBody(world, Vec2(0.0, -pairDistance), Vec2(-0.06, 0.0), true);
        addBody(world, Vec2(50.0, 0.0), Vec2(0.0, 0.01), false);
        LineMission::setup(world);
    }

private:
    void addBody(World& world, Vec2 position, Vec2 velocity, bool solid) {
        Body* body = new Body;
        body->radius = 20.0;
        body->mass = solid ? 4.9 : 0.0;
        body->position = position;
        body->velocity = velocity;
        body->spin = 0.001;
        body->solid = solid;
        world.bodies.push_back(body);
    }
};

// Every double of the ship and the bodies after each step, as raw bits.
using Trace = std::vector<uint64_t>;

void note(Trace& trace, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    trace.push_back(bits);
}

class Tracking : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        world.mission = &mission;
        world.reset();
        world.rocket->program = prog({{Left, 300}, {Thrust, 40}, {Wait, 30}, {Right, 500}});
    }

    // Runs `steps` steps from a reset; `nudge` may change a body on the way.
    Trace run(int steps, int nudgeAt = -1) {
        world.reset();
        if (world.bodyTrack) world.bodyTrack->rewind();
        Trace trace;
        for (int i = 0; i < steps; ++i) {
            if (i == nudgeAt) world.bodies[1]->velocity.x += 0.001;
            world.step();
            const Rocket& ship = *world.rocket;
            for (double v :
                 {ship.position.x, ship.position.y, ship.velocity.x, ship.velocity.y, ship.angle})
                note(trace, v);
            for (const Body* b : world.bodies) {
                for (double v :
                     {b->position.x, b->position.y, b->velocity.x, b->velocity.y, b->angle})
                    note(trace, v);
            }
        }
        return trace;
    }

    Trace untracked(int steps, int nudgeAt = -1) {
        BodyTrack* track = world.bodyTrack;
        world.bodyTrack = nullptr;
        Trace trace = run(steps, nudgeAt);
        world.bodyTrack = track;
        return trace;
    }

    World world;
    PairMission mission;
};

}  // namespace

TEST_F(Tracking, ReplayedStepsAreBitForBitTheComputedOnesAndOnlyTheRecordedOnesAreReplayed) {
    struct Case {
        const char* what;
        size_t capacity;
        int recorded, replayed, nudgeAt;
        bool newStart;
        size_t expectReplayed;
    };
    const std::vector<Case> cases = {
        {"the same run again", 5000, 2000, 2000, -1, false, 2000},
        {"a longer run", 5000, 1000, 1500, -1, false, 1000},
        {"a body changed from outside", 5000, 1000, 1000, 400, false, 400},
        {"another start", 5000, 500, 500, -1, true, 0},
        {"beyond the capacity", 100, 300, 300, -1, false, 99},
    };
    for (const Case& c : cases) {
        mission.pairDistance = 300.0;
        Trace first = untracked(c.recorded);
        BodyTrack track(3, c.capacity);
        world.bodyTrack = &track;
        EXPECT_EQ(run(c.recorded), first) << c.what;
        EXPECT_EQ(track.replayed, 0u) << c.what;
        EXPECT_EQ(track.frameCount(), std::min(c.capacity, size_t(c.recorded) + 1)) << c.what;
        if (c.newStart) mission.pairDistance = 350.0;
        Trace expected = untracked(c.replayed, c.nudgeAt);
        EXPECT_EQ(run(c.replayed, c.nudgeAt), expected) << c.what;
        EXPECT_EQ(track.replayed, c.expectReplayed) << c.what;
        world.bodyTrack = nullptr;
    }
}

TEST_F(Tracking, RecordingAndReplayingAllocateNothing) {
    BodyTrack track(3, 5000);
    world.bodyTrack = &track;
    allocations = 0;
    for (int round = 0; round < 2; ++round) {
        world.reset();  // a reset builds new bodies: not counted
        track.rewind();
        countingAllocations = true;
        for (int i = 0; i < 1000; ++i) world.step();
        countingAllocations = false;
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(track.replayed, 1000u);
    world.bodyTrack = nullptr;
}

TEST_F(Tracking, TheOptimizerScoresRunsAlikeWithAndWithoutARecording) {
    mission.bestScore = 40.0f;
    BodyTrack track(3, 20000);
    std::vector<float> with, without;
    Program p = prog({{Thrust, 30}, {Left, 10}, {Wait, 40}, {Right, 10}});
    for (int i = 0; i < 6; ++i) {
        world.rocket->program = p;
        world.bodyTrack = nullptr;
        without.push_back(evaluateProgram(world));
        world.rocket->program = p;
        world.bodyTrack = &track;
        with.push_back(evaluateProgram(world));
        p[size_t(i % 4)].value += 3;
    }
    world.bodyTrack = nullptr;
    EXPECT_EQ(with, without);
    EXPECT_GT(track.replayed, 0u);
}

TEST_F(Tracking, TheOptimizerRecordsWhateverTheBestScoreSays) {
    for (float best : {-1e6f, 0.0f, 1e30f}) {
        mission.bestScore = best;
        world.rocket->program = prog({{Thrust, 40}});
        world.reset();
        testing::internal::CaptureStdout();
        optimizeProgram(world);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.rfind("optimizing\n", 0), 0u) << best;
        EXPECT_EQ(world.bodyTrack, nullptr);
        EXPECT_EQ(world.rocket->program.size(), 1u);
    }
}

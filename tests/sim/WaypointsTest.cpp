#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "sim/BodyTrack.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/Waypoints.h"
#include "tests/support/SimSupport.h"

namespace {

std::string bits(double value) {
    uint64_t b;
    std::memcpy(&b, &value, sizeof b);
    return std::to_string(b) + " ";
}

// Everything a step reads or writes, bit for bit.
std::string stateOf(const World& world) {
    const Rocket& s = *world.rocket;
    std::string state = bits(s.position.x) + bits(s.position.y) + bits(s.velocity.x) +
                        bits(s.velocity.y) + bits(s.angle) + bits(s.angularVelocity);
    state += std::to_string(s.landed) + std::to_string(s.pc) + " " + std::to_string(s.waitCounter) +
             " " + std::to_string(s.currentLine) + " " + std::to_string(world.time) +
             std::to_string(world.result.won) + std::to_string(world.result.failed) +
             world.result.failReason;
    for (const Body& b : world.bodies)
        state += bits(b.position.x) + bits(b.position.y) + bits(b.velocity.x) + bits(b.velocity.y) +
                 bits(b.angle);
    return state;
}

// A run's score and the state it ends in.
std::string flight(World& world, const Program& program, float limit, const Waypoints* from,
                   Waypoints& kept) {
    world.rocket->program = program;
    RunShortcuts shortcuts;
    shortcuts.from = from;
    shortcuts.keep = &kept;
    const float score = Optimizer::evaluate(world, limit, nullptr, Optimizer::stepCap, shortcuts);
    return std::to_string(score) + " " + stateOf(world) + bits(world.result.score);
}

}  // namespace

TEST(Waypoints, AVariantGoingOnFromWhereItPartedFliesAsFromTheStart) {
    // A long Wait first, a Wait after a command, a program with no wait; the
    // cut-offs end the runs early or leave them to win.
    const struct {
        const char* mission;
        const char* program;
        float limit;
    } cases[] = {{"Binary Center", "6 S 6 W 21 T 224 R 38 W 847 T 119", 582.32f},
                 {"Lunar Orbit", "7 S 10 W 979 T 410 L 32 S 3 W 507 T 64", 922.3f},
                 {"Lunar Orbit", "7 S 10 W 979 T 410 L 32 S 3 W 507 T 64", 700.0f},
                 {"Turn III", "11 R 72 S 1 W 2 T 18 S 3 W 317 T 60 L 7 S 7 W 794 T 91", 478.85f},
                 {"Thrust", "3 T 59 W 100 L 5", 1010.0f}};
    for (const auto& c : cases) {
        World world;
        world.mission = &mission(c.mission);
        world.reset();
        BodyTrack track(world.bodies.size(), 200000);
        track.trustSteps();  // as the optimizer's worlds, which only its runs step
        world.bodyTrack = &track;
        Program program;
        parseProgramText(c.program, program);
        program = canonicalize(program);
        auto points = std::make_unique<Waypoints>(program);
        flight(world, program, c.limit, nullptr, *points);
        // Each variant is taken in turn, its points handed on to the next:
        // one value moved early or late, Waits shortened, every value drawn.
        std::mt19937 random(3);
        int wentOn = 0;
        for (int i = 0; i < 12; ++i) {
            Program variant = points->program();
            if (i < 6) {
                variant[size_t(i / 2) % variant.size()].value += i % 2 ? -4 : 4;
            } else {
                mutate(variant, random);
            }
            Waypoints fromStart(variant);
            auto goingOn = std::make_unique<Waypoints>(variant);
            const std::string expected = flight(world, variant, c.limit, nullptr, fromStart);
            EXPECT_EQ(flight(world, variant, c.limit, points.get(), *goingOn), expected)
                << c.mission << " " << programText(variant);
            wentOn += !goingOn->points().empty() &&
                      goingOn->points()[0].world == points->points()[0].world;
            points = std::move(goingOn);
        }
        EXPECT_GT(wentOn, 0) << c.mission;
    }
}

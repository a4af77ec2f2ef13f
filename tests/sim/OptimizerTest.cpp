#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "missions/HeadlessRun.h"
#include "sim/BodyTrack.h"
#include "sim/OptimizeCommand.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/missions/Missions.h"

namespace {

// Runs the optimize command: its progress lines, then the program found.
std::string optimize(const std::string& program, const std::string& seed) {
    mission("Thrust");
    std::ostringstream out, err;
    testing::internal::CaptureStdout();
    EXPECT_EQ(optimizeCommand({"Thrust", program, seed, "1010"}, out, err), 0) << err.str();
    return testing::internal::GetCapturedStdout() + out.str();
}

// A run scored the plain way: the whole score computed after every step.
float scoreStepByStep(World& world) {
    world.reset();
    Level& level = *world.level;
    const float limit = level.bestScore + 100.0f;
    for (;;) {
        world.step();
        computeScore(world);
        if (level.score > limit || level.won) return level.score;
        if (level.failed) return limit;
    }
}

}  // namespace

TEST(Optimizer, EveryRunScoresAsScoringEveryStepWouldWithOrWithoutARecordedMotion) {
    // Winning programs of missions whose bodies move, and variants of them.
    for (auto [name, text] : {std::pair{"Lunar Orbit", "7 S 7 W 717 T 438 L 8 S 6 W 198 T 66"},
                              {"Binary Center", "6 S 6 W 21 T 224 R 38 W 847 T 119"}}) {
        World world;
        world.level = &mission(name);
        world.level->bestScore = 900.0f;
        world.reset();
        BodyTrack track(world.bodies.size(), 100000);
        Program program;
        parseProgramText(text, program);
        std::mt19937 g(5);
        for (int i = 0; i < 4; ++i) {
            world.rocket->program = program;
            const float expected = scoreStepByStep(world);
            world.bodyTrack = nullptr;
            EXPECT_EQ(evaluateProgram(world), expected) << programText(program);
            world.bodyTrack = &track;
            EXPECT_EQ(evaluateProgram(world), expected) << programText(program);
            world.bodyTrack = nullptr;
            program[g() % program.size()].value += int(g() % 7) - 3;
        }
        EXPECT_GT(track.replayed, 0u) << name;
    }
}

TEST(Optimizer, TheSameSeedFindsTheSameProgramAndNeverAWorseOne) {
    const std::string start = "2 T 1000 L 3";
    const std::string first = optimize(start, "31337");
    EXPECT_EQ(first.rfind("optimizing\niter 0: score = ", 0), 0u) << first;
    EXPECT_EQ(optimize(start, "31337"), first);
    EXPECT_NE(optimize(start, "31338"), first);
    const std::string found = first.substr(first.rfind('\n', first.size() - 2) + 1);
    World world;
    const FlightResult before = flyMission(world, mission("Thrust"), start, 100000);
    const FlightResult after = flyMission(world, mission("Thrust"), found, 100000);
    EXPECT_STREQ(after.result, "won") << found;
    EXPECT_LT(after.score, before.score) << found;
}

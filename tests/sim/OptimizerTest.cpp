#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "missions/Flight.h"
#include "sim/BodyTrack.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "tests/support/SimSupport.h"
#include "tools/run/OptimizeCommand.h"

namespace {

// Runs the optimize command: its progress lines, then the program found.
std::string optimize(const std::string& program, const std::string& seed) {
    mission("Thrust");
    std::ostringstream out, err;
    testing::internal::CaptureStdout();
    RunContext run;
    EXPECT_EQ(optimizeCommand(run, {"Thrust", program, seed, "1010"}, out, err), 0) << err.str();
    return testing::internal::GetCapturedStdout() + out.str();
}

// A run as first described: the whole score computed after every step.
float scoreStepByStep(World& world, float best) {
    world.reset();
    Mission& mission = *world.mission;
    const float limit = best + 100.0f;
    for (;;) {
        world.step();
        computeScore(world);
        if (mission.score > limit || mission.won) return mission.score;
        if (mission.failed) return limit;
    }
}

}  // namespace

TEST(Optimizer, CanonicalAndRestoredProgramsIssueEveryCommandOnTheSameStep) {
    const std::vector<Program> programs = {
        {{Thrust, 500}, {Wait, 9}, {Left, 1000}},
        {{Wait, 400}, {Sleep, 2}, {Wait, 100}, {Right, 30}},
        {{Sleep, 1}, {Wait, 0}, {Thrust, 3}, {Wait, -5}, {Wait, 3}, {Right, 2}},
        {{Right, 300}, {Wait, 1000}, {Left, 4}, {Wait, 2000}, {Thrust, 1}},
        {{Wait, 1001}, {Sleep, 0}, {Wait, 999}, {Thrust, 8}},
    };
    for (const Program& p : programs) {
        const std::string expected = commandsIssued(p, 8000);
        const Program canonical = canonicalize(p);
        EXPECT_EQ(commandsIssued(canonical, 8000), expected) << programText(p);
        EXPECT_EQ(commandsIssued(decanonicalize(canonical), 8000), expected) << programText(p);
    }
}

TEST(Optimizer, EveryRunScoresAsScoringEveryStepWouldWithOrWithoutARecordedMotion) {
    // Winning programs of missions whose bodies move, and variants of them.
    for (auto [name, text] : {std::pair{"Lunar Orbit", "7 S 7 W 717 T 438 L 8 S 6 W 198 T 66"},
                              {"Binary Center", "6 S 6 W 21 T 224 R 38 W 847 T 119"}}) {
        World world;
        world.mission = &mission(name);
        world.reset();
        BodyTrack track(world.bodies.size(), 100000);
        Program program;
        parseProgramText(text, program);
        std::mt19937 g(5);
        for (int i = 0; i < 4; ++i) {
            world.rocket->program = program;
            const float expected = scoreStepByStep(world, 900.0f);
            world.bodyTrack = nullptr;
            EXPECT_EQ(Optimizer::evaluate(world, 900.0f), expected) << programText(program);
            world.bodyTrack = &track;
            EXPECT_EQ(Optimizer::evaluate(world, 900.0f), expected) << programText(program);
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
    const FlightResult before = flyMission(testWorld(), mission("Thrust"), start, 100000);
    const FlightResult after = flyMission(testWorld(), mission("Thrust"), found, 100000);
    EXPECT_STREQ(after.result, "won") << found;
    EXPECT_LT(after.score, before.score) << found;
}
// A run under a best no run reaches ends too: the end-to-end table starts F1 under one.

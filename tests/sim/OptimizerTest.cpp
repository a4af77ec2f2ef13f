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
std::string optimize(const std::string& program, const std::string& seed,
                     const std::string& best = "1010", const std::string& threads = "",
                     const std::string& name = "Thrust", bool fromStart = false) {
    mission(name);
    std::ostringstream out, err;
    testing::internal::CaptureStdout();
    RunContext run(ASTRELLO_SOURCE_DIR);
    RunArgs args = {name, program, seed};
    if (!best.empty()) args.push_back(best);
    if (!threads.empty()) args.insert(args.end(), {"--threads", threads});
    if (fromStart) args.push_back("--from-start");
    EXPECT_EQ(optimizeCommand(run, args, out, err), 0) << err.str();
    return testing::internal::GetCapturedStdout() + out.str();
}

std::string lastLine(const std::string& text) {
    return text.substr(text.rfind('\n', text.size() - 2) + 1);
}

// A run as first described: the whole score computed after every step.
float scoreStepByStep(World& world, float limit) {
    world.reset();
    for (;;) {
        world.step();
        world.computeScore();
        if (world.result.score > limit || world.result.won) return world.result.score;
        if (world.result.failed) return limit;
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
        const float limit = 1000.0f;
        world.reset();
        BodyTrack track(world.bodies.size(), 100000);
        Program program;
        parseProgramText(text, program);
        std::mt19937 g(5);
        for (int i = 0; i < 4; ++i) {
            world.rocket->program = program;
            const float expected = scoreStepByStep(world, limit);
            world.bodyTrack = nullptr;
            EXPECT_EQ(Optimizer::evaluate(world, limit), expected) << programText(program);
            world.bodyTrack = &track;
            EXPECT_EQ(Optimizer::evaluate(world, limit), expected) << programText(program);
            world.bodyTrack = nullptr;
            program[g() % program.size()].value += int(g() % 7) - 3;
        }
        EXPECT_GT(track.replayed, 0u) << name;
    }
}

TEST(Optimizer, ARunThatCanNoLongerWinBeforeItsCutOffScoresAsFlownToTheEnd) {
    // Holds the ship leaves, stays in, or never reaches; circles a ship
    // coasting at the end of its program misses or reaches; under cut-offs
    // near and far (within the step cap, which the runs step by step here do not know).
    const struct {
        const char* mission;
        const char* program;
    } cases[] = {{"Binary Orbit", "5 T 300 L 51 S 1 W 826 T 178"},
                 {"Binary Orbit", "5 T 296 L 55 S 1 W 822 T 182"},
                 {"Lunar Orbit", "1 T 100"},
                 {"Lunar Orbit", "7 S 7 W 717 T 438 L 8 S 6 W 198 T 66"},
                 {"Geostationary II", "7 T 198 L 202 W 508 T 173 S 2 W 685 T 13"},
                 {"Binary Center", "6 S 6 W 21 T 224 R 38 W 847 T 119"},
                 {"Turn III", "11 R 72 S 1 W 2 T 18 S 3 W 317 T 60 L 7 S 7 W 794 T 91"},
                 {"Turn III", "11 R 70 S 1 W 2 T 20 S 3 W 313 T 58 L 5 S 7 W 798 T 95"},
                 {"Turn III", "3 R 72 W 9 T 18"},
                 {"Turn II", "4 L 18 S 1 W 6 T 50 W 2000"}};
    int settled = 0;
    for (const auto& c : cases) {
        for (float limit : {600.0f, 800.0f, 950.0f}) {
            World world;
            world.mission = &mission(c.mission);
            world.reset();
            parseProgramText(c.program, world.rocket->program);
            const float expected = scoreStepByStep(world, limit);
            const bool won = world.result.won;
            const int end = world.time;
            EXPECT_EQ(Optimizer::evaluate(world, limit), expected) << c.mission << " " << limit;
            EXPECT_EQ(world.result.won, won) << c.mission << " " << limit;
            settled += world.time < end;
        }
    }
    EXPECT_GT(settled, 0);
}

// A run under a best no run reaches ends too: the end-to-end table starts F1 under one.

TEST(Optimizer, EveryNumberOfThreadsPrintsTheOneThreadSearchFromTheStartLineForLine) {
    // Thrust accepts often (variants are redone, points handed on), Turn III
    // seldom, Binary Center's runs go on from its first long Wait; with a best and without.
    const struct {
        const char* mission;
        const char* program;
        const char* best;
    } cases[] = {{"Thrust", "2 T 1000 L 3", "1010"},
                 {"Thrust", "3 W 3 T 59 W 200", ""},
                 {"Turn III", "11 R 72 S 1 W 2 T 18 S 3 W 317 T 60 L 7 S 7 W 794 T 91", "354.57"},
                 {"Binary Center", "6 S 6 W 21 T 224 R 38 W 847 T 119", "482.32"}};
    for (const auto& c : cases) {
        const std::string one = optimize(c.program, "7", c.best, "1", c.mission, true);
        EXPECT_EQ(one.rfind("optimizing\n", 0), 0u) << one;
        for (const char* threads : {"1", "2", "3", "5"})
            EXPECT_EQ(optimize(c.program, "7", c.best, threads, c.mission), one)
                << c.mission << " on " << threads << " threads";
    }
}

// Never won: the cut-off follows the program given, and only a winning
// program better than it comes back.
TEST(Optimizer, OnAMissionNeverWonTheSearchNeverHandsBackAWorseOrLosingProgram) {
    const struct {
        const char* mission;
        const char* program;
    } cases[] = {{"Turn", "3 L 95 W 947 T 59"},
                 {"First Launch", "1 T 200"},
                 {"Moving Start", "1 W 1"},
                 {"First Launch", "1 T 1"}};
    for (const auto& c : cases) {
        const FlightResult before = flyMission(testWorld(), mission(c.mission), c.program, 2000000);
        for (const char* seed : {"1", "2"}) {
            const std::string found = lastLine(optimize(c.program, seed, "", "", c.mission));
            const FlightResult after = flyMission(testWorld(), mission(c.mission), found, 2000000);
            if (std::string(before.result) == "won") {
                EXPECT_STREQ(after.result, "won") << c.mission << " " << found;
                EXPECT_LE(after.score, before.score) << c.mission << " " << found;
            } else if (std::string(after.result) != "won") {  // the program given, as it flies
                EXPECT_EQ(formatResult(after), formatResult(before)) << c.mission << " " << found;
            }
        }
    }
}

// A run that would take minutes ends when the search is abandoned.
TEST(Optimizer, AnAbandonedSearchStopsInTheMiddleOfARun) {
    Mission& lunar = mission("Lunar Orbit");
    Program drifting;  // never lands, never leaves: flown to the step cap
    parseProgramText("1 W 5", drifting);
    std::mt19937 random(1);
    Optimizer optimizer(lunar, 0.0f, drifting, random, ProgressSink());
    int asked = 0;
    EXPECT_FALSE(optimizer.advance([&asked] { return ++asked < 3; }));
    EXPECT_FALSE(optimizer.finished());
}

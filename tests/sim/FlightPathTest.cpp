#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/FlightPath.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/support/SimSupport.h"

namespace {

bool sameBits(Vec2 a, Vec2 b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The game world as the game screen leaves it stopped: the program loaded, reset.
void load(World& world, Mission& mission, const std::string& programText) {
    world.mission = &mission;
    world.clearProgramAndReset();
    parseProgramText(programText, world.rocket->program);
    world.reset();
}

}  // namespace

// The preview is flown twice (the second time the bodies' motion is
// replayed), then the real run in the same world: all three end on the same
// bits as a run in a world that never saw a preview.
TEST(FlightPreview, EndsWhereTheRunEndsBitForBitForEveryStoredSolution) {
    int checked = 0;
    FlightPreview preview;
    for (const std::string& line : dataLines("solutions.tsv")) {
        const size_t tab = line.find('\t');
        Mission& mission = *solutionMission(line.substr(0, tab));
        const std::string text = line.substr(tab + 1);
        World fresh;
        const FlightResult run = flyMission(fresh, mission, text, 2000000);
        ASSERT_STREQ(run.result, "won") << line;

        World game;
        load(game, mission, text);
        game.result.score = -1.0f;  // what the completion screen may still be showing
        const Program program = game.rocket->program;
        FlightPath first, second;
        preview.fly(game, program, first);
        preview.fly(game, program, second);
        EXPECT_EQ(game.result.score, -1.0f) << line;
        EXPECT_FALSE(game.result.won) << line << ": a preview leaves the stopped world alone";
        for (const FlightPath* path : {&first, &second}) {
            EXPECT_TRUE(sameBits(path->end(), run.position)) << line;
            EXPECT_EQ(path->ending(), FlightPath::Won) << line;
            EXPECT_EQ(path->steps(), run.steps) << line;
            EXPECT_EQ(path->score(), run.score) << line;
            EXPECT_EQ(path->medal(), run.medal) << line;
        }
        long steps = 0;
        while (!game.result.won && !game.result.failed) {
            game.step();
            ++steps;
        }
        EXPECT_EQ(steps, run.steps) << line;
        EXPECT_TRUE(sameBits(game.rocket->position, run.position)) << line;
        ++checked;
    }
    EXPECT_EQ(checked, int(dataLines("solutions.tsv").size()));
}

// Thrust 100 runs in step 1, Wait 50 in step 2, Thrust 10 in step 53.
TEST(FlightPath, TicksMarkTheStepEachInstructionBeganAndStretchesRunToTheNext) {
    World game;
    load(game, *testMissions().at("Thrust"), "3 T 100 W 50 T 10");
    FlightPreview preview;
    FlightPath path;
    preview.fly(game, game.rocket->program, path);
    ASSERT_EQ(path.ticks().size(), 3u);
    const long ends[] = {1, 2, 53, path.steps()};  // the steps where each stretch begins and ends
    for (size_t i = 0; i < 3; ++i) {
        FlightPath::Stretch stretch;
        ASSERT_TRUE(path.stretchOf(int(i), stretch)) << i;
        EXPECT_EQ(path.ticks()[i].step, ends[i]) << i;
        EXPECT_TRUE(sameBits(stretch.from, path.ticks()[i].position)) << i;
        EXPECT_TRUE(sameBits(stretch.to, i < 2 ? path.ticks()[i + 1].position : path.end())) << i;
        for (size_t k = stretch.firstPoint; k < stretch.endPoint; ++k)
            EXPECT_TRUE(path.kept()[k].step > ends[i] && path.kept()[k].step < ends[i + 1]) << i;
    }
    FlightPath::Stretch none;
    EXPECT_FALSE(path.stretchOf(3, none) || path.stretchOf(-1, none));
}

// Circling for the whole horizon: however long, a path keeps at most its
// capacity of points, starting at the start, in step order, with the exact end.
TEST(FlightPath, ALongFlightKeepsItsPointsWithinTheCapacity) {
    World game;
    load(game, *testMissions().at("First Orbit"), "1 T 305");  // never lands, never wins
    FlightPreview preview;
    FlightPath path(64);
    preview.fly(game, game.rocket->program, path);
    EXPECT_EQ(path.ending(), FlightPath::Horizon);
    EXPECT_EQ(path.steps(), previewHorizon(preview.best, game.mission->timeRate));
    ASSERT_LE(path.kept().size(), 64u);
    EXPECT_GE(path.kept().size(), 32u);
    EXPECT_EQ(path.kept().front().step, 0);
    for (size_t i = 1; i < path.kept().size(); ++i)
        EXPECT_LT(path.kept()[i - 1].step, path.kept()[i].step);
    World run;
    load(run, *testMissions().at("First Orbit"), "1 T 305");
    for (long i = 0; i < path.steps(); ++i) run.step();
    EXPECT_TRUE(sameBits(path.end(), run.rocket->position));
}

TEST(FlightPath, TheHorizonIsWhereTimeAloneCostsMoreThanTheBestPlus100) {
    // Never won, won, and bests no run can make; then a mission's own time
    // costs, dearer, free, and so cheap that the game's horizon comes first.
    const std::tuple<float, float, long> cases[] = {
        {0.0f, 0.01f, 100000},    {100.0f, 0.01f, 20001}, {150.5f, 0.01f, 25051},
        {2041.1f, 0.01f, 100000}, {-5.0f, 0.01f, 100000}, {NAN, 0.01f, 100000},
        {100.0f, 0.5f, 401},      {100.0f, 0.0f, 100000}, {100.0f, 0.001f, 100000}};
    for (auto [best, rate, horizon] : cases) {
        EXPECT_EQ(previewHorizon(best, rate), horizon) << best << " " << rate;
    }
}

// Beside the caller, on a copy of the stopped world: the same path as in
// front of it; a new start abandons the flight before it.
TEST(BackgroundFlight, FliesThePathTheForegroundPreviewFliesAndOnlyTheLastStarted) {
    World game;
    load(game, *testMissions().at("Lunar Orbit"), "7 S 7 W 717 T 438 L 8 S 6 W 198 T 66");
    FlightPreview preview;
    FlightPath expected;
    preview.fly(game, game.rocket->program, expected);
    BackgroundFlight background;
    Program other = game.rocket->program;
    other[3].value = 1;
    background.start(game, 0.0f, other);
    background.start(game, 0.0f, game.rocket->program);
    FlightPath path;
    Program flown;
    while (!background.take(path, flown)) std::this_thread::yield();
    EXPECT_EQ(programText(flown), programText(game.rocket->program));
    EXPECT_EQ(path.steps(), expected.steps());
    EXPECT_EQ(path.ending(), expected.ending());
    EXPECT_TRUE(sameBits(path.end(), expected.end()));
    EXPECT_FALSE(background.busy());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "render/Random.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "sim/VirtualMachine.h"
#include "sim/World.h"
#include "tests/sim/LineMission.h"

namespace {

// The commands a program issues, as (step, turn or thrust amount) pairs.
struct Recorder : VirtualMachine {
    int now = 0;
    std::vector<std::pair<int, double>> events;
    void thrust(Vec2 amount) override { events.emplace_back(now, 1e9 + amount.x); }
    void turn(double amount) override { events.emplace_back(now, amount); }
};

std::vector<std::pair<int, double>> schedule(const Program& program, int steps) {
    Recorder vm;
    vm.program = program;
    for (vm.now = 1; vm.now <= steps; ++vm.now) vm.step();
    return vm.events;
}

// The first seed whose first generator output moves a value by `delta`.
uint32_t seedDrawing(int delta) {
    for (uint32_t seed = 1;; ++seed) {
        std::mt19937 g(seed);
        if (int((g() >> 1) % 9) - 4 == delta) return seed;
    }
}

}  // namespace

TEST(Canonicalize, MergesWaitsAndSleepsAndTurnsRightIntoNegativeLeft) {
    const std::vector<std::pair<Program, std::string>> cases = {
        {Program(), ""},
        {prog({{Wait, 400}, {Sleep, 2}, {Wait, 100}}), "W2502 "},
        {prog({{Sleep, 3}}), "W3000 "},
        {prog({{Thrust, 5}, {Wait, 0}, {Wait, 0}, {Left, 7}, {Wait, 9}}), "T5 W1 L7 W9 "},
        {prog({{Right, 300}, {Left, 20}, {Thrust, 7}}), "L-300 L20 T7 "},
        // Negative waits fly as zero waits; sums past 32 bits saturate.
        {prog({{Wait, -5}, {Wait, 3}}), "W4 "},
        {prog({{Sleep, -2}}), "W0 "},
        {prog({{Wait, INT_MAX}, {Wait, 5}}), "W2147483647 "},
        {prog({{Sleep, 3000000}}), "W2147483647 "},
        {prog({{Wait, 7}, {Sleep, INT_MAX}}), "W2147483647 "},
        {prog({{Right, INT_MIN}}), "L2147483647 "},
    };
    for (const auto& c : cases) EXPECT_EQ(show(canonicalize(c.first)), c.second) << show(c.first);
}

TEST(Decanonicalize, SplitsLongWaitsAndRestoresRightTurnsWhileTheValueIsNegative) {
    const std::vector<std::pair<Program, std::string>> cases = {
        {prog({{Wait, 2502}}), "S2 W501 "},           {prog({{Wait, 1000}}), "W1000 "},
        {prog({{Wait, 2000}}), "S1 W999 "},           {prog({{Wait, 1001}}), "S1 W0 "},
        {prog({{Wait, INT_MAX}}), "S2147483 W646 "},  {prog({{Left, -300}}), "R300 "},
        {prog({{Left, 0}, {Left, 2}}), "L0 L2 "},     {prog({{Left, INT_MIN}}), "R2147483647 "},
        {prog({{Thrust, 12}, {Wait, 3}}), "T12 W3 "},
    };
    for (const auto& c : cases) EXPECT_EQ(show(decanonicalize(c.first)), c.second) << show(c.first);
    EXPECT_EQ(show(decanonicalize(canonicalize(prog({{Wait, 400}, {Sleep, 2}, {Wait, 100}})))),
              "S2 W501 ");
    EXPECT_EQ(show(decanonicalize(canonicalize(prog({{Right, 300}})))), "R300 ");
}

TEST(Canonicalize, CanonicalAndRestoredProgramsIssueEveryCommandOnTheSameStep) {
    const std::vector<Program> programs = {
        prog({{Thrust, 500}, {Wait, 9}, {Left, 1000}}),
        prog({{Wait, 400}, {Sleep, 2}, {Wait, 100}, {Right, 30}}),
        prog({{Sleep, 1}, {Wait, 0}, {Thrust, 3}, {Wait, -5}, {Wait, 3}, {Right, 2}}),
        prog({{Right, 300}, {Wait, 1000}, {Left, 4}, {Wait, 2000}, {Thrust, 1}}),
        prog({{Wait, 1001}, {Sleep, 0}, {Wait, 999}, {Thrust, 8}}),
    };
    for (const Program& p : programs) {
        auto expected = schedule(p, 8000);
        ASSERT_FALSE(expected.empty());
        Program canonical = canonicalize(p);
        EXPECT_EQ(schedule(canonical, 8000), expected) << show(p);
        EXPECT_EQ(schedule(decanonicalize(canonical), 8000), expected) << show(p);
    }
}

TEST(Mutate, MovesEachValueByTheGeneratorsDrawInOrder) {
    Program p = prog({{Thrust, 500}, {Left, 0}, {Wait, 700}, {Left, -20}, {Thrust, 100}});
    Program before = p;
    seedRandom(12345);
    mutate(p);
    std::mt19937 g(12345);
    for (size_t i = 0; i < p.size(); ++i) {
        int delta = int((g() >> 1) % 9) - 4;
        EXPECT_EQ(p[i].value, before[i].value + delta) << i;
        EXPECT_EQ(p[i].opcode, before[i].opcode);
    }
}

TEST(Mutate, ThrustAndWaitValuesBecomeTheirAbsoluteValue) {
    uint32_t seed = seedDrawing(-4);
    for (uint8_t opcode : {Thrust, Wait, Left}) {
        Program p = prog({{opcode, 2}});
        seedRandom(seed);
        mutate(p);
        EXPECT_EQ(p[0].value, opcode == Left ? -2 : 2) << int(opcode);
    }
}

TEST(Mutate, StopsAtTheEdgesOfThirtyTwoBits) {
    Program up = prog({{Left, INT_MAX}, {Thrust, INT_MAX}});
    Program down = prog({{Left, INT_MIN}});
    uint32_t seed = seedDrawing(4);
    seedRandom(seed);
    mutate(up);
    std::mt19937 g(seed);
    g();
    int second = int((g() >> 1) % 9) - 4;
    EXPECT_EQ(up[0].value, INT_MAX);
    EXPECT_EQ(up[1].value, second >= 0 ? INT_MAX : INT_MAX + second);
    seedRandom(seedDrawing(-4));
    mutate(down);
    EXPECT_EQ(down[0].value, INT_MIN);
}

namespace {

class Optimizing : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        world.mission = &mission;
        world.reset();
    }

    void load(const Program& program) {
        world.rocket->program = program;
        world.reset();
    }

    // Runs the optimizer and returns what it printed, line by line.
    std::vector<std::string> optimize(uint32_t seed) {
        seedRandom(seed);
        testing::internal::CaptureStdout();
        optimizeProgram(world);
        std::istringstream out(testing::internal::GetCapturedStdout());
        std::vector<std::string> lines;
        for (std::string line; std::getline(out, line);) lines.push_back(line);
        return lines;
    }

    World world;
    LineMission mission;
};

struct Iteration {
    int index;
    double accepted, score;
    std::vector<int> values;
};

// Reads "iter N: score = A -> S\tV V ...", checking the exact layout by
// printing the numbers back.
bool parseIteration(const std::string& line, Iteration& it) {
    char tab = 0;
    int used = 0;
    if (sscanf(line.c_str(), "iter %d: score = %lf -> %lf%c%n", &it.index, &it.accepted, &it.score,
               &tab, &used) != 4 ||
        tab != '\t')
        return false;
    char head[128];
    snprintf(head, sizeof head, "iter %d: score = %f -> %f\t", it.index, it.accepted, it.score);
    std::string values;
    std::istringstream in(line.substr(size_t(used)));
    for (int v; in >> v;) {
        it.values.push_back(v);
        values += std::to_string(v) + " ";
    }
    return line == head + values;
}

// A run as first described: the whole score computed after every step.
float scoreStepByStep(World& world) {
    world.reset();
    Mission& mission = *world.mission;
    float limit = mission.bestScore + 100.0f;
    for (;;) {
        world.step();
        computeScore(world);
        if (mission.score > limit) return mission.score;
        if (mission.won) return mission.score;
        if (mission.failed) return limit;
    }
}

}  // namespace

TEST_F(Optimizing, EveryRunScoresBitForBitAsScoringEveryStepWould) {
    std::mt19937 g(5);
    for (int i = 0; i < 40; ++i) {
        Program p;
        for (int k = int(g() % 6); k >= 0; --k) {
            uint8_t opcode = uint8_t(g() % 5);
            int32_t value = int32_t(g() % (opcode == Thrust ? 60 : opcode == Sleep ? 3 : 400));
            p.push_back(Instruction{opcode, value});
        }
        mission.bestScore = float(g() % 3) * 17.3f;
        load(p);
        float expected = scoreStepByStep(world);
        float fields[4] = {mission.score, mission.thrustCost, mission.turnCost, mission.timeCost};
        int time = world.time;
        EXPECT_EQ(evaluateProgram(world), expected) << show(p);
        EXPECT_EQ(world.time, time);
        EXPECT_EQ(mission.score, fields[0]);
        EXPECT_EQ(mission.thrustCost, fields[1]);
        EXPECT_EQ(mission.turnCost, fields[2]);
        EXPECT_EQ(mission.timeCost, fields[3]);
    }
}

TEST_F(Optimizing, FailedRunsScoreTheCutOffAndADamagedBestScoreStillEndsEveryRun) {
    Program required = prog({{Thrust, 1}});
    for (float best : {12.5f, NAN, INFINITY}) {
        mission.bestScore = best;
        mission.required = &required;
        load(prog({{Thrust, 2}}));
        EXPECT_EQ(evaluateProgram(world), std::isfinite(best) ? best + 100.0f : 100.0f) << best;
        EXPECT_TRUE(mission.failed);
        mission.required = nullptr;
        load(Program());
        EXPECT_LT(evaluateProgram(world), std::isfinite(best) ? best + 100.1f : 100.1f) << best;
    }
}

TEST_F(Optimizing, AnEmptyProgramStaysEmptyThroughOneHundredEqualRounds) {
    load(Program());
    optimizeRequested = true;
    std::vector<std::string> lines = optimize(1);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[0], "optimizing");
    for (int i = 0; i < 100; ++i) {
        Iteration it;
        ASSERT_TRUE(parseIteration(lines[size_t(i) + 1], it)) << lines[size_t(i) + 1];
        EXPECT_EQ(it.index, i);
        EXPECT_EQ(it.accepted, it.score);
        EXPECT_GT(it.score, 100.0);
        EXPECT_TRUE(it.values.empty());
    }
    EXPECT_TRUE(world.rocket->program.empty());
    EXPECT_FALSE(optimizeRequested);
}

TEST_F(Optimizing, AProgramNoVariantBeatsComesBackInItsOwnForm) {
    const std::vector<std::pair<Program, std::string>> cases = {
        {prog({{Wait, 400}, {Sleep, 2}, {Wait, 100}}), "S2 W501 "},
        {prog({{Wait, 1000}}), "W1000 "},
        {prog({{Wait, 2000}}), "S1 W999 "},
        {prog({{Right, 300}, {Thrust, 3}}), "R300 T3 "},
    };
    for (const auto& c : cases) {
        Program required = canonicalize(c.first);
        mission.required = &required;
        load(c.first);
        std::vector<std::string> lines = optimize(99);
        EXPECT_EQ(show(world.rocket->program), c.second);
        Iteration first;
        ASSERT_TRUE(parseIteration(lines.at(1), first));
        EXPECT_EQ(first.values.size(), required.size());
    }
}

TEST_F(Optimizing, EveryRoundStandsOnTheBetterOfTheAcceptedAndTheNewScore) {
    load(prog({{Thrust, 20}}));
    std::vector<std::string> lines = optimize(2024);
    ASSERT_EQ(lines.size(), 101u);
    double accepted = 0.0;
    for (size_t i = 1; i < lines.size(); ++i) {
        Iteration it;
        ASSERT_TRUE(parseIteration(lines[i], it)) << lines[i];
        if (i > 1) {
            EXPECT_EQ(it.accepted, accepted) << lines[i];
        }
        accepted = std::min(it.accepted, it.score);
    }
}

TEST_F(Optimizing, OnARealMissionTheResultNeverScoresWorseAndRepeatsForTheSameSeed) {
    if (app.missions.empty()) registerMissions(app.missions);
    world.mission = app.missions.at("Thrust");
    world.mission->bestScore = 1010.0f;  // won before: runs are cut off above 1110
    std::vector<std::string> results;
    for (int round = 0; round < 2; ++round) {
        load(prog({{Thrust, 1000}, {Left, 3}}));
        float before = evaluateProgram(world);
        optimize(31337);
        EXPECT_EQ(world.time, 0);
        EXPECT_EQ(world.rocket->pc, 0);
        EXPECT_LT(evaluateProgram(world), before) << show(world.rocket->program);
        results.push_back(show(world.rocket->program));
    }
    EXPECT_EQ(results[0], results[1]);
}

TEST(Optimizer, WithoutAMissionOnlyClearsTheRequest) {
    World world;
    optimizeRequested = true;
    testing::internal::CaptureStdout();
    optimizeProgram(world);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(optimizeRequested);
}

TEST_F(Optimizing, AfterARunTheWorldIsFreshlyResetWithItsCameraAndWithoutARecording) {
    load(prog({{Thrust, 20}}));
    world.viewCenter = Vec2(12.0, 34.0);
    optimize(8);
    EXPECT_TRUE(world.cameraFollows);
    EXPECT_EQ(world.bodyTrack, nullptr);
    EXPECT_EQ(world.time, 0);
    // The unseen runs never moved the camera; the next step frames it again.
    EXPECT_EQ(world.viewCenter.x, 12.0);
    world.step();
    EXPECT_NE(world.viewCenter.x, 12.0);
}

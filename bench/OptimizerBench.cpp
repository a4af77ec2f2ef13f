// Milliseconds for one F1 on every mission, from its winning program with the
// best score at the mission's gold limit, split into world resets and stepping.
#include <cstdio>
#include <random>
#include <string>

#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const uint32_t seed = 20240601;
const int resetsPerRun = 102;  // 101 evaluations and the final reset

double timeOptimizer(World& world, const Solution& solution) {
    loadMission(world, solution);
    const float best = world.mission->goldLimit;
    std::mt19937 random(seed);
    double start = threadSeconds();
    optimizeProgram(world, best, random, [](const std::string& text) { fputs(text.c_str(), stdout); });
    return threadSeconds() - start;
}

// The resets of one run.
double timeResets(World& world) {
    double start = threadSeconds();
    for (int i = 0; i < resetsPerRun; ++i) world.reset();
    return threadSeconds() - start;
}

// The steps one run takes, counted by repeating its search with the same
// draws: every evaluation ends after the step that won, failed or passed
// the cut-off, and `time` has counted all the steps before that one.
long stepsOfRun(World& world, const Solution& solution) {
    loadMission(world, solution);
    const float best = world.mission->goldLimit;
    std::mt19937 random(seed);
    Program accepted = canonicalize(world.rocket->program);
    world.rocket->program = accepted;
    float acceptedScore = Optimizer::evaluate(world, best);
    long steps = world.time + 1;
    for (int i = 0; i < 100; ++i) {
        mutate(world.rocket->program, random);
        float s = Optimizer::evaluate(world, best);
        steps += world.time + 1;
        if (acceptedScore < s) {
            world.rocket->program = accepted;
            s = acceptedScore;
        }
        accepted = world.rocket->program;
        acceptedScore = s;
    }
    return steps;
}

double timeGravity(World& world, const Solution& solution, long steps) {
    loadMission(world, solution);
    BareGravity gravity(world);
    double start = threadSeconds();
    for (long i = 0; i < steps; ++i) gravity.step();
    double seconds = threadSeconds() - start;
    if (gravity.checksum() == 12345.678) printf(" ");  // keeps the work observable
    return seconds;
}

}  // namespace

void benchOptimizer(World& world, const std::vector<Solution>& solutions, int rounds) {
    for (const Solution& solution : solutions) {
        if (!loadMission(world, solution)) continue;
        std::vector<double> total, resets;
        for (int r = 0; r < rounds; ++r) {
            total.push_back(timeOptimizer(world, solution) * 1e3);
            resets.push_back(timeResets(world) * 1e3);
        }
        long steps = stepsOfRun(world, solution);
        std::vector<double> gravity;
        for (int r = 0; r < rounds; ++r)
            gravity.push_back(timeGravity(world, solution, steps) * 1e3);
        double totalMs = median(total), resetMs = median(resets), gravityMs = median(gravity);
        double steppingMs = totalMs > resetMs ? totalMs - resetMs : 0.0;
        const std::string& name = solution.mission;
        printRow(Row{"F1", name, totalMs, gravityMs, "ms", 200.0, false});
        printRow(Row{"F1", "  " + std::to_string(resetsPerRun) + " resets", resetMs, 0.0, "ms", 0.0,
                     false});
        printRow(Row{"F1", "  stepping (" + std::to_string(steps) + " steps)", steppingMs,
                     gravityMs, "ms", 0.0, false});
    }
}

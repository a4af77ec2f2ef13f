// Milliseconds for one F1 on every mission, from its winning program with the
// best score at the mission's gold limit, split into world resets and stepping.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>
#include <random>
#include <string>

#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const uint32_t seed = 20240601;
const int resetsPerRun = 102;  // 101 evaluations and the final reset

double timeOptimizer(const MissionRegistry& missions, World& world, const Solution& solution) {
    loadMission(missions, world, solution);
    std::mt19937 random(seed);
    double start = threadSeconds();
    optimizeProgram(world, world.mission->goldLimit, random, [](const std::string& text) { fputs(text.c_str(), stdout); });
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
long stepsOfRun(const MissionRegistry& missions, World& world, const Solution& solution) {
    loadMission(missions, world, solution);
    const float limit = Optimizer::cutOff(world.mission->goldLimit);
    std::mt19937 random(seed);
    Program accepted = canonicalize(world.rocket->program);
    world.rocket->program = accepted;
    float acceptedScore = Optimizer::evaluate(world, limit);
    long steps = world.time + 1;
    for (int i = 0; i < 100; ++i) {
        mutate(world.rocket->program, random);
        float s = Optimizer::evaluate(world, limit);
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

double timeGravity(const MissionRegistry& missions, World& world, const Solution& solution,
                   long steps) {
    loadMission(missions, world, solution);
    BareGravity gravity(world);
    double start = threadSeconds();
    for (long i = 0; i < steps; ++i) gravity.step();
    double seconds = threadSeconds() - start;
    if (gravity.checksum() == 12345.678) printf(" ");  // keeps the work observable
    return seconds;
}

}  // namespace

void benchOptimizer(const MissionRegistry& missions, World& world,
                    const std::vector<Solution>& solutions, int rounds) {
    for (const Solution& solution : solutions) {
        if (!loadMission(missions, world, solution)) continue;
        std::vector<double> total, resets;
        for (int r = 0; r < rounds; ++r) {
            total.push_back(timeOptimizer(missions, world, solution) * 1e3);
            resets.push_back(timeResets(world) * 1e3);
        }
        long steps = stepsOfRun(missions, world, solution);
        std::vector<double> gravity;
        for (int r = 0; r < rounds; ++r)
            gravity.push_back(timeGravity(missions, world, solution, steps) * 1e3);
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

namespace {

// Wall seconds of one `astrello-run optimize` on every core from the gold
// limit, its output dropped; `fromStart` flies every run from the start.
double timeOptimizeProcess(const std::string& runner, const Solution& solution, float gold,
                           bool fromStart) {
    char best[32];
    std::snprintf(best, sizeof best, "%.2f", double(gold));
    const bool file = solution.mission.size() > 5 &&
                      solution.mission.compare(solution.mission.size() - 5, 5, ".toml") == 0;
    std::vector<std::string> args = {runner, "optimize"};
    if (file) args.push_back("--mission");
    args.push_back(file ? std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + solution.mission
                        : solution.mission);
    args.insert(args.end(), {solution.program, std::to_string(seed), best});
    if (fromStart) args.push_back("--from-start");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void benchOptimizerProcess(const std::string& runner, const MissionRegistry& missions,
                           const std::vector<Solution>& solutions, int rounds) {
    for (const Solution& solution : solutions) {
        const auto found = missions.find(solution.mission);
        const float gold = found != missions.end() ? found->second->goldLimit : 155.0f;
        std::vector<double> goingOn, fromStart;
        for (int r = 0; r < rounds; ++r) {
            goingOn.push_back(timeOptimizeProcess(runner, solution, gold, false) * 1e3);
            fromStart.push_back(timeOptimizeProcess(runner, solution, gold, true) * 1e3);
        }
        printRow(Row{"F1 process", solution.mission, median(goingOn), median(fromStart), "ms", 100.0,
                     false});
    }
}

// Nanoseconds per World::step() on every mission, flying its winning program,
// beside the bare gravity arithmetic for the same bodies and steps.
#include <cstdio>

#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "sim/World.h"

namespace {

const long maxFlight = 2000000;  // steps; every winning flight is far shorter
const double minSampleSeconds = 0.02;

// Steps until the mission is won, from a fresh reset.
long flightLength(World& world) {
    world.reset();
    long steps = 0;
    while (!world.result.won && !world.result.failed && steps < maxFlight) {
        world.step();
        ++steps;
    }
    return steps;
}

// Seconds per flight of `steps` world steps; the resets are not timed.
double timeFlight(World& world, long steps) {
    world.reset();
    double start = threadSeconds();
    for (long i = 0; i < steps; ++i) world.step();
    return threadSeconds() - start;
}

double timeGravity(const World& world, long steps, double& sink) {
    BareGravity gravity(world);
    double start = threadSeconds();
    for (long i = 0; i < steps; ++i) gravity.step();
    double seconds = threadSeconds() - start;
    sink += gravity.checksum();
    return seconds;
}

}  // namespace

void benchWorldSteps(const MissionRegistry& missions, World& world,
                     const std::vector<Solution>& solutions, int rounds) {
    double sink = 0.0;
    for (const Solution& solution : solutions) {
        if (!loadMission(missions, world, solution)) {
            fprintf(stderr, "unknown mission in the solutions file: %s\n",
                    solution.mission.c_str());
            continue;
        }
        long steps = flightLength(world);
        if (steps == 0) continue;
        // Repeat short flights so that every sample lasts long enough to time.
        std::vector<double> stepNs, gravityNs;
        for (int r = 0; r < rounds; ++r) {
            double seconds = 0.0;
            long done = 0;
            while (seconds < minSampleSeconds) {
                seconds += timeFlight(world, steps);
                done += steps;
            }
            stepNs.push_back(seconds * 1e9 / double(done));
            world.reset();
            seconds = 0.0;
            done = 0;
            while (seconds < minSampleSeconds) {
                seconds += timeGravity(world, steps, sink);
                done += steps;
            }
            gravityNs.push_back(seconds * 1e9 / double(done));
        }
        printRow(Row{"step", solution.mission + " (" + std::to_string(steps) + " steps)",
                     median(stepNs), median(gravityNs), "ns", 1.5, true});
    }
    if (sink == 12345.678) printf(" ");  // keeps the baseline's work observable
}

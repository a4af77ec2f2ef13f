// Milliseconds to recompute the preview of every mission's winning program,
// as an edit does on the game screen (the flight, its path and the reset of
// the stopped world), beside the flight itself stepped without a path. Then
// the three paths shown while a value is dragged: the program, and the first
// instruction's value 10 lower and 10 higher, flown for as long as the
// program's own flight. The best score stands at the gold limit, as for F1.
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "sim/FlightPath.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const double previewTargetMs = 3.0;
const double threePathsTargetMs = 9.0;

// The program with its first value moved by `delta`, kept within the editor's range.
Program nudged(const Program& program, int delta) {
    Program result = program;
    if (!result.empty()) {
        int32_t& v = result.front().value;
        v = std::clamp(v + delta, std::min(v, 0), std::max(v, 1000));
    }
    return result;
}

// Seconds to step `programs` through their flights as the preview does, without a path.
double timeBareFlights(World& world, const Program* const programs[], size_t count, long longest) {
    const long horizon = longest > 0 ? longest : previewHorizon(world.mission->goldLimit, world.mission->timeRate);
    double seconds = 0.0;
    for (size_t i = 0; i < count; ++i) {
        world.rocket->program = *programs[i];
        world.reset();
        const RunResult& run = world.result;
        double start = threadSeconds();
        for (long steps = 0; !run.won && !run.failed && steps < horizon; ++steps)
            world.step();
        seconds += threadSeconds() - start;
    }
    world.rocket->program = *programs[0];
    world.reset();
    return seconds;
}

// The game's order: the preview first, then the two others as long as it.
double timePreview(FlightPreview& preview, World& world, const Program* const programs[],
                   FlightPath* const paths[], size_t count) {
    double start = threadSeconds();
    preview.fly(world, programs, paths, 1);
    if (count > 1) preview.fly(world, programs + 1, paths + 1, count - 1, paths[0]->steps());
    return threadSeconds() - start;
}

}  // namespace

void benchPreview(const MissionRegistry& missions, World& world,
                  const std::vector<Solution>& solutions, int rounds) {
    FlightPreview preview;
    FlightPath path, lower, higher;
    for (const Solution& solution : solutions) {
        if (!loadMission(missions, world, solution)) continue;
        preview.best = world.mission->goldLimit;
        const Program program = world.rocket->program;
        const Program down = nudged(program, -10), up = nudged(program, +10);
        const Program* one[] = {&program};
        const Program* three[] = {&program, &down, &up};
        FlightPath* onePath[] = {&path};
        FlightPath* threePaths[] = {&path, &lower, &higher};
        std::vector<double> single, bare, triple, bareTriple;
        for (int r = 0; r < rounds; ++r) {
            single.push_back(timePreview(preview, world, one, onePath, 1) * 1e3);
            bare.push_back(timeBareFlights(world, one, 1, 0) * 1e3);
            triple.push_back(timePreview(preview, world, three, threePaths, 3) * 1e3);
            bareTriple.push_back(timeBareFlights(world, three, 3, path.steps()) * 1e3);
        }
        char name[96];
        std::snprintf(name, sizeof name, "%s (%ld steps)", solution.mission.c_str(), path.steps());
        printRow(Row{"preview", name, median(single), median(bare), "ms", previewTargetMs, false});
        std::snprintf(name, sizeof name, "  and -10/+10 (%ld, %ld steps)", lower.steps(),
                      higher.steps());
        printRow(Row{"preview", name, median(triple), median(bareTriple), "ms", threePathsTargetMs,
                     false});
    }
}

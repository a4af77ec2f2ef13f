// How long a player waits, with turbo, for a run to end: every mission with
// an empty program (a run that can only end at the horizon) and with its
// stored winning program. The wall time is that of the game's updates: 0.05 s
// each, or the update's own work where that takes longer. Turbo as it is
// (its rate grows while no instruction begins) beside turbo at a fixed 100
// steps per update, as it was; and End, which flies the rest at once.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "screens/ProgramEditor.h"
#include "screens/TurboPace.h"
#include "sim/FlightPath.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

const double updateSeconds = 0.05;

struct Waited {
    double seconds = 0.0;
    long steps = 0;
};

bool over(const World& world, long horizon) {
    return world.result.won || world.result.failed || world.time >= horizon;
}

// One update of the game's run: `steps` steps, with the trail it draws.
// Whether an instruction began in it.
bool flyUpdate(World& world, FlightPath& trail, long steps, long horizon) {
    int row = ProgramEditor::highlightRow(*world.rocket);
    bool began = false;
    for (long i = 0; i < steps && !over(world, horizon); ++i) {
        world.step();
        trail.afterStep(world);
        const int now = ProgramEditor::highlightRow(*world.rocket);
        began = began || now != row;
        row = now;
    }
    return began;
}

// `growing`: turbo as the game has it; else 100 steps an update throughout.
// `skip`: End pressed in the first update.
Waited waitForEnd(World& world, bool growing, bool skip) {
    world.reset();
    const long horizon = previewHorizon(0.0f, world.mission->timeRate);  // never won: the longest
    FlightPath trail;
    trail.begin(world);
    TurboPace pace;
    Waited wait;
    while (!over(world, horizon)) {
        const long steps = skip ? horizon : growing ? pace.steps(true) : TurboPace::turboSteps;
        const double start = threadSeconds();
        pace.updated(true, flyUpdate(world, trail, steps, horizon));
        wait.seconds += std::max(updateSeconds, threadSeconds() - start);
    }
    wait.steps = world.time;
    return wait;
}

}  // namespace

void benchRunEnd(const MissionRegistry& missions, World& world,
                 const std::vector<Solution>& solutions) {
    // Per mission: the empty program and its first stored solution.
    std::vector<Solution> runs;
    std::set<std::string> seen;
    for (const Solution& solution : solutions) {
        if (!seen.insert(solution.mission).second) continue;
        runs.push_back(Solution{solution.mission, ""});
        runs.push_back(solution);
    }
    Waited slowest, slowestBefore, slowestSkip;
    std::string which;
    for (const Solution& run : runs) {
        if (!loadMission(missions, world, run)) continue;
        const Waited now = waitForEnd(world, true, false);
        const Waited before = waitForEnd(world, false, false);
        const Waited skip = waitForEnd(world, true, true);
        if (now.seconds > slowest.seconds) {
            slowest = now;
            which = run.mission + (run.program.empty() ? ", empty program" : ", its solution");
        }
        slowestBefore.seconds = std::max(slowestBefore.seconds, before.seconds);
        slowestSkip.seconds = std::max(slowestSkip.seconds, skip.seconds);
    }
    world.mission = nullptr;
    printRow(Row{"run end", "turbo, slowest of " + std::to_string(runs.size()) + " runs (" + which +
                                ", " + std::to_string(slowest.steps) + " steps)",
                 slowest.seconds, slowestBefore.seconds, "s", 10.0, false});
    printRow(Row{"run end", "End key, slowest of " + std::to_string(runs.size()) + " runs",
                 slowestSkip.seconds, slowestBefore.seconds, "s", 10.0, false});
}

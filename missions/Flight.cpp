#include "missions/Flight.h"

#include <cstdio>
#include <sstream>

#include "missions/Mission.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
// Steps the game screen takes per fixed update at the default speed of 1000.
const int stepsPerUpdate = 10;
}  // namespace

FlightResult flyMission(World& world, const Mission& mission, const std::string& programText,
                        long maxSteps, const StepObserver& observer) {
    world.mission = &mission;
    world.clearProgramAndReset();
    parseProgramText(programText, world.rocket->program);
    world.reset();  // the game screen opens with a fresh reset

    FlightResult r;
    r.mission = mission.name;
    const RunResult& run = world.result;
    while (r.steps < maxSteps && !run.won && !run.failed) {
        for (int k = 0; k < stepsPerUpdate && r.steps < maxSteps && !run.won; ++k) {
            world.step();
            ++r.steps;
            if (observer) observer(r.steps, world);
            if (run.failed) break;  // a failed world is frozen: further steps change nothing
        }
    }
    if (run.won) {
        r.result = "won";
        r.medal = medalFor(run.score, mission);
    } else {
        r.result = run.failed ? "failed" : "timeout";
        world.computeScore();
    }
    r.time = world.time;
    r.score = run.score;
    r.thrust = run.thrustCost;
    r.turn = run.turnCost;
    r.timeCost = run.timeCost;
    const Rocket& ship = *world.rocket;
    r.position = ship.position;
    r.velocity = ship.velocity;
    r.angle = ship.angle;
    return r;
}

const char* medalName(int medal) {
    static const char* const names[] = {"none", "bronze", "silver", "gold"};
    return (medal >= 0 && medal <= 3) ? names[medal] : "none";
}

std::string formatResult(const FlightResult& r) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "mission=%s result=%s time=%d score=%.9g thrust=%.9g turn=%.9g timecost=%.9g "
                  "medal=%s steps=%ld x=%.17g y=%.17g vx=%.17g vy=%.17g angle=%.17g",
                  r.mission.c_str(), r.result, r.time, double(r.score), double(r.thrust),
                  double(r.turn), double(r.timeCost), medalName(r.medal), r.steps, r.position.x,
                  r.position.y, r.velocity.x, r.velocity.y, r.angle);
    return buffer;
}

#include "missions/Flight.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "missions/Mission.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
// Steps the game screen takes per fixed update at the default speed of 1000.
const int stepsPerUpdate = 10;

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            if (!current.empty()) out.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

bool isInteger(const std::string& token, bool allowSign) {
    size_t start = (allowSign && token[0] == '-') ? 1 : 0;
    if (start == token.size()) return false;
    for (size_t i = start; i < token.size(); ++i)
        if (token[i] < '0' || token[i] > '9') return false;
    errno = 0;
    long long value = std::strtoll(token.c_str(), nullptr, 10);
    return errno == 0 && value >= -2147483648LL && value <= 2147483647LL;
}
}  // namespace

bool isProgramText(const std::string& text, std::string& why) {
    const std::vector<std::string> t = tokens(text);
    if (t.empty()) {
        why = "empty program text";
        return false;
    }
    if (!isInteger(t[0], false)) {
        why = "instruction count '" + t[0] + "' is not a number";
        return false;
    }
    const long long count = std::strtoll(t[0].c_str(), nullptr, 10);
    if (count != (long long)(t.size() - 1) / 2 || (t.size() - 1) % 2 != 0) {
        why = "count " + t[0] + " needs " + t[0] + " letter-value pairs, found " +
              std::to_string(t.size() - 1) + " tokens";
        return false;
    }
    for (size_t i = 1; i < t.size(); i += 2) {
        const std::string& letter = t[i];
        if (letter != "T" && letter != "L" && letter != "R" && letter != "W" && letter != "S") {
            why = "unknown command '" + letter + "'";
            return false;
        }
        if (!isInteger(t[i + 1], true)) {
            why = "value '" + t[i + 1] + "' is not a number";
            return false;
        }
    }
    return true;
}

FlightResult flyMission(World& world, Mission& mission, const std::string& programText, long maxSteps,
                        const StepObserver& observer) {
    world.mission = &mission;
    world.clearProgramAndReset();
    parseProgramText(programText, world.rocket->program);
    world.reset();  // the game screen opens with a fresh reset

    FlightResult r;
    r.mission = mission.name;
    while (r.steps < maxSteps && !mission.won && !mission.failed) {
        for (int k = 0; k < stepsPerUpdate && r.steps < maxSteps && !mission.won; ++k) {
            world.step();
            ++r.steps;
            if (observer) observer(r.steps, world);
            if (mission.failed) break;  // a failed world is frozen: further steps change nothing
        }
    }
    if (mission.won) {
        r.result = "won";
        r.medal = medalFor(mission.score, mission);
    } else {
        r.result = mission.failed ? "failed" : "timeout";
        computeScore(world);
    }
    r.time = world.time;
    r.score = mission.score;
    r.thrust = mission.thrustCost;
    r.turn = mission.turnCost;
    r.timeCost = mission.timeCost;
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

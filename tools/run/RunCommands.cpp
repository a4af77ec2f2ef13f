#include "tools/run/RunCommands.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

RunContext::RunContext() { registerMissions(missions); }

RunContext::~RunContext() {
    for (auto& entry : missions) delete entry.second;
}

namespace {
const int badInput = 2;

// The mission named `name`, or null with an error.
Mission* findMission(const MissionRegistry& missions, const std::string& name, std::ostream& err) {
    auto found = missions.find(name);
    if (found == missions.end()) {
        err << "unknown mission: " << name << "\n";
        return nullptr;
    }
    return found->second;
}

bool readProgram(const std::string& text, std::ostream& err) {
    std::string why;
    if (isProgramText(text, why)) return true;
    err << "unreadable program: " << why << "\n";
    return false;
}

// A non-negative step count, or false with an error.
bool readCount(const std::string& text, long& count, std::ostream& err) {
    char* end = nullptr;
    long value = text.empty() ? -1 : std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0) {
        err << "not a step count: " << text << "\n";
        return false;
    }
    count = value;
    return true;
}

int usage(const char* form, std::ostream& err) {
    err << "usage: astrello-run " << form << "\n";
    return badInput;
}

std::string traceLine(long step, const World& world) {
    const Rocket& ship = *world.rocket;
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%ld %.17g %.17g %.17g %.17g %.17g %d", step,
                  ship.position.x, ship.position.y, ship.velocity.x, ship.velocity.y, ship.angle,
                  ship.landed ? 1 : 0);
    return buffer;
}
}  // namespace

int runCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args.size() > 3)
        return usage("run \"MISSION NAME\" \"PROGRAM TEXT\" [MAX_STEPS]", err);
    long maxSteps = defaultMaxSteps;
    Mission* mission = findMission(run.missions, args[0], err);
    if (!mission || !readProgram(args[1], err)) return badInput;
    if (args.size() == 3 && !readCount(args[2], maxSteps, err)) return badInput;
    out << formatResult(flyMission(run.world, *mission, args[1], maxSteps)) << "\n";
    return 0;
}

int traceCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) return usage("trace \"MISSION NAME\" \"PROGRAM TEXT\" N", err);
    long steps = 0;
    Mission* mission = findMission(run.missions, args[0], err);
    if (!mission || !readProgram(args[1], err) || !readCount(args[2], steps, err)) return badInput;
    flyMission(run.world, *mission, args[1], steps,
               [&out](long step, const World& world) { out << traceLine(step, world) << "\n"; });
    return 0;
}

int listCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) return usage("list", err);
    for (const auto& entry : run.missions) {
        char limits[64];
        std::snprintf(limits, sizeof limits, "\t%g\t%g", double(entry.second->goldLimit),
                      double(entry.second->silverLimit));
        out << entry.first << limits << "\n";
    }
    return 0;
}

int checkCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return usage("check FILE", err);
    std::ifstream file(args[0]);
    if (!file) {
        err << "cannot open " << args[0] << "\n";
        return badInput;
    }
    int status = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;  // blank lines and comments
        std::ostringstream problem;
        const size_t tab = line.find('\t');
        Mission* mission = nullptr;
        if (tab == std::string::npos) {
            problem << "no tab between mission and program\n";
        } else if ((mission = findMission(run.missions, line.substr(0, tab), problem)) &&
                   readProgram(line.substr(tab + 1), problem)) {
            FlightResult result =
                flyMission(run.world, *mission, line.substr(tab + 1), defaultMaxSteps);
            out << formatResult(result) << "\n";
            if (status == 0 && std::string(result.result) != "won") status = 1;
            continue;
        }
        err << args[0] << ":" << number << ": " << problem.str();
        status = badInput;
    }
    return status;
}

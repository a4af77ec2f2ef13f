#include "tools/run/RunCommands.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstdint>
#include <iostream>
#include <ostream>
#include <sstream>

#include "core/FileAccess.h"
#include "core/GameFolders.h"
#include "missions/DataMission.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

RunContext::RunContext(const std::string& dataFolder_) : dataFolder(dataFolder_) {
    loadCampaign(fileIn(dataFolder, "campaign"), missions, groups, std::cerr);
}

namespace {
const int badInput = 2;

// The mission named `name`, or null with an error.
Mission* findMission(const MissionRegistry& missions, const std::string& name, std::ostream& err) {
    auto found = missions.find(name);
    if (found == missions.end()) {
        err << "ERROR: unknown mission: " << name << "\n";
        return nullptr;
    }
    return found->second.get();
}

bool readProgram(const std::string& text, std::ostream& err) {
    std::string why;
    if (isProgramText(text, why)) return true;
    err << "ERROR: unreadable program: " << why << "\n";
    return false;
}

// A step count the runner can fly, or false with an error: a flight's time
// is a 32-bit count of steps, so no more than that, and never clamped.
bool readCount(const std::string& text, long& count, std::ostream& err) {
    const long most = INT32_MAX;
    bool digits = !text.empty() && text.size() <= 10;
    long value = 0;
    for (size_t i = 0; digits && i < text.size(); ++i) {
        digits = text[i] >= '0' && text[i] <= '9';
        value = value * 10 + (text[i] - '0');
    }
    if (!digits || value > most) {
        err << "ERROR: not a step count from 0 to " << most << ": " << text << "\n";
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

bool isMissionFileName(const std::string& name) {
    return name.size() > 5 && name.compare(name.size() - 5, 5, ".toml") == 0;
}

// The mission `name` names: a registered title, or a mission file.
Mission* missionNamed(RunContext& run, const std::string& name, bool isFile, std::ostream& err) {
    if (!isFile) return findMission(run.missions, name, err);
    MissionDef def;
    if (!readMissionFile(name, def, err)) return nullptr;
    run.fileMission.reset(new DataMission(def));
    return run.fileMission.get();
}

// A mission file named in a list is found from the list's folder.
std::string listedMission(const std::string& list, const std::string& name) {
    if (!isMissionFileName(name) || name[0] == '/') return name;
    return (std::filesystem::path(list).parent_path() / name).string();
}

Mission* takeMission(RunContext& run, RunArgs& args, std::ostream& err) {
    const bool option = !args.empty() && args[0] == "--mission";
    if (args.size() < (option ? 2u : 1u)) return nullptr;
    const std::string name = args[option ? 1 : 0];
    args.erase(args.begin(), args.begin() + (option ? 2 : 1));
    return missionNamed(run, name, option || isMissionFileName(name), err);
}

int runCommand(RunContext& run, const RunArgs& given, std::ostream& out, std::ostream& err) {
    const char* form = "run \"MISSION NAME\"|--mission FILE \"PROGRAM TEXT\" [MAX_STEPS]";
    RunArgs args = given;
    if (args.size() < 2) return usage(form, err);
    Mission* mission = takeMission(run, args, err);
    if (mission && (args.size() < 1 || args.size() > 2)) return usage(form, err);
    long maxSteps = defaultMaxSteps;
    if (!mission || !readProgram(args[0], err)) return badInput;
    if (args.size() == 2 && !readCount(args[1], maxSteps, err)) return badInput;
    out << formatResult(flyMission(run.world, *mission, args[0], maxSteps)) << "\n";
    return 0;
}

int traceCommand(RunContext& run, const RunArgs& given, std::ostream& out, std::ostream& err) {
    const char* form = "trace \"MISSION NAME\"|--mission FILE \"PROGRAM TEXT\" N";
    RunArgs args = given;
    if (args.size() < 3) return usage(form, err);
    Mission* mission = takeMission(run, args, err);
    if (mission && args.size() != 2) return usage(form, err);
    long steps = 0;
    if (!mission || !readProgram(args[0], err) || !readCount(args[1], steps, err)) return badInput;
    flyMission(run.world, *mission, args[0], steps,
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
    std::string text, why;
    if (readRegularFile(args[0], maxListSize, text, why) != ReadStatus::ok) {
        err << "ERROR: " << args[0] << " cannot be read: " << why << "\n";
        return badInput;
    }
    int status = 0, checked = 0;
    std::istringstream file(text);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;  // blank lines and comments
        ++checked;
        std::ostringstream problem;
        const size_t tab = line.find('\t');
        Mission* mission = nullptr;
        if (tab == std::string::npos) {
            problem << "no tab between mission and program\n";
        } else if ((mission = missionNamed(run, listedMission(args[0], line.substr(0, tab)),
                                           isMissionFileName(line.substr(0, tab)), problem)) &&
                   readProgram(line.substr(tab + 1), problem)) {
            FlightResult result =
                flyMission(run.world, *mission, line.substr(tab + 1), defaultMaxSteps);
            out << formatResult(result) << "\n";
            if (status == 0 && std::string(result.result) != "won") status = 1;
            continue;
        }
        std::string said = problem.str();
        if (said.rfind("ERROR: ", 0) == 0) said.erase(0, 7);
        err << "ERROR: " << args[0] << ":" << number << ": " << said;
        status = badInput;
    }
    if (checked == 0) {
        err << "ERROR: " << args[0] << ": no programs to check\n";
        return badInput;
    }
    return status;
}

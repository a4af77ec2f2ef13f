#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/FlightHorizon.h"
#include "sim/World.h"

// The subcommands of the headless runner. Each gets the arguments after its
// own name, writes results to `out` and errors to `err`, and returns the exit
// code: 0 done, 1 a checked program did not win, 2 bad input.
using RunArgs = std::vector<std::string>;

// What the subcommands fly: the missions and a world of their own.
struct RunContext {
    // The campaign of `dataFolder` ("" is the working directory), whose
    // models and images the mission files name; errors go to standard error.
    explicit RunContext(const std::string& dataFolder);
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    std::string dataFolder;
    MissionRegistry missions;  // owned
    MissionGroups groups;      // all of the campaign's
    World world;
    std::unique_ptr<Mission> fileMission;  // read from a file by --mission
};

// The mission the arguments start with: "--mission FILE", a mission's title,
// or the name of its file ending in ".toml", which are then taken off the
// front of `args`. Null, with the errors, if none.
Mission* takeMission(RunContext& run, RunArgs& args, std::ostream& err);

// A mission is named by its title, or read from a file with --mission FILE.
// run "MISSION NAME" "PROGRAM TEXT" [MAX_STEPS]: one result line.
int runCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
// trace "MISSION NAME" "PROGRAM TEXT" N: the ship's state after each of the first N steps.
int traceCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
// list: each mission's name, gold and silver limits, in registry order.
int listCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
// check FILE: a result line for each "MISSION NAME<TAB>PROGRAM TEXT" line;
// a name ending in ".toml" is a mission file, found from FILE's folder.
int checkCommand(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
// The longest list `check` reads.
constexpr size_t maxListSize = size_t(64) << 20;  // bytes
// Steps a run may take unless told otherwise: as many as the game allows.
constexpr long defaultMaxSteps = flightHorizon;

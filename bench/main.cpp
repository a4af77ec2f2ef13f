// astrello-bench: prints the game's speed figures, each beside a baseline
// measured in the same run. Run from the folder that holds images/ and models/.
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "app/Application.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/World.h"

namespace {

std::string machine() {
    std::string cpu = "unknown processor";
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0) {
            cpu = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname names;
    std::string system =
        uname(&names) == 0 ? std::string(names.sysname) + " " + names.release : "unknown system";
    return cpu + ", " + std::to_string(std::thread::hardware_concurrency()) + " cores, " + system;
}

// A fresh folder that sees the game's data but holds no options or scores,
// so that every program starts as on a first run, at 1280 x 720.
std::string scratchFolder() {
    char name[] = "/tmp/astrello-bench-XXXXXX";
    if (!mkdtemp(name)) return "";
    std::string folder = name;
    std::string source = ASTRELLO_SOURCE_DIR;
    if (symlink((source + "/images").c_str(), (folder + "/images").c_str()) != 0 ||
        symlink((source + "/models").c_str(), (folder + "/models").c_str()) != 0 ||
        symlink((source + "/campaign").c_str(), (folder + "/campaign").c_str()) != 0) {
        fprintf(stderr, "cannot link the data folders into %s\n", folder.c_str());
    }
    return folder;
}

void removeScratchFolder(const std::string& folder) {
    if (folder.empty()) return;
    for (const char* name : {"/images", "/models", "/campaign", "/probe.txt"}) unlink((folder + name).c_str());
    rmdir(folder.c_str());
}

struct Options {
    std::string solutionsFile = "tests/data/solutions.tsv";
    int rounds = 5;
    std::string only;                           // empty: every section
    std::string busyMission = "Geostationary";  // its rings make the busiest view

    bool wants(const char* section) const { return only.empty() || only == section; }
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--solutions") && i + 1 < argc) {
            options.solutionsFile = argv[++i];
        } else if (!strcmp(argv[i], "--rounds") && i + 1 < argc) {
            options.rounds = std::max(1, atoi(argv[++i]));
        } else if (!strcmp(argv[i], "--busy") && i + 1 < argc) {
            options.busyMission = argv[++i];
        } else if (!strcmp(argv[i], "--only") && i + 1 < argc) {
            options.only = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        fprintf(stderr,
                "usage: astrello-bench [--solutions FILE] [--rounds N] "
                "[--busy MISSION] [--only step|F1|F1-process|preview|run-end|frame|start-up|idle]\n");
        return 2;
    }
    std::vector<Solution> solutions = readSolutions(options.solutionsFile);
    if (solutions.empty() &&
        (options.wants("step") || options.wants("F1") || options.wants("preview") ||
         options.wants("run-end") ||
         options.wants("frame"))) {
        fprintf(stderr, "no solutions in %s\n", options.solutionsFile.c_str());
        return 2;
    }
    BenchPaths paths{ASTRELLO_GAME, ASTRELLO_BARE_WINDOW, ASTRELLO_FRAME_PROBE, scratchFolder()};
    separateTableFromGameOutput();
    const bool frames = options.wants("frame");
    // The game's own missions and world when its window is open, else the
    // campaign's read here.
    MissionRegistry ownMissions;
    World ownWorld;
    const MissionRegistry* missions = &ownMissions;
    World* world = &ownWorld;
    if (frames) {
        Application& game = initializeGameForFrames(paths.scratch);  // a window, screens, real textures
        missions = &game.missions;
        world = &game.world;
    } else {
        MissionGroups groups;
        loadCampaign(std::string(ASTRELLO_SOURCE_DIR) + "/campaign", ownMissions, groups, std::cerr);
    }
    printHeader(machine().c_str());
    if (options.wants("step")) benchWorldSteps(*missions, *world, solutions, options.rounds);
    if (options.wants("F1")) benchOptimizer(*missions, *world, solutions, options.rounds);
    if (options.wants("F1-process"))
        benchOptimizerProcess(ASTRELLO_RUN, *missions, solutions, options.rounds);
    if (options.wants("preview")) benchPreview(*missions, *world, solutions, options.rounds);
    if (options.wants("run-end")) benchRunEnd(*missions, *world, solutions);
    if (frames) benchFrames(solutions, options.busyMission, options.rounds);
    if (options.wants("start-up")) benchStartup(paths, options.rounds);
    if (options.wants("idle")) benchIdle(paths);
    printSummary();
    removeScratchFolder(paths.scratch);
    return 0;
}

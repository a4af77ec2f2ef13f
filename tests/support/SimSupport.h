#pragma once

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "missions/DataMission.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/VirtualMachine.h"
#include "sim/World.h"
#include "tests/support/ScratchDirectory.h"

// The source tree's 21 missions, added to `registry`.
inline void loadTestCampaign(MissionRegistry& registry) {
    MissionGroups groups;
    loadCampaign(std::string(ASTRELLO_SOURCE_DIR) + "/campaign", registry, groups, std::cout);
}

// The 21 missions and a world for tests of the simulation library, one of
// each per test program.
inline MissionRegistry& testMissions() {
    static MissionRegistry missions;
    if (missions.empty()) loadTestCampaign(missions);
    return missions;
}
inline World& testWorld() {
    static World world;
    return world;
}

// The 21 missions, registered afresh with no scores.
inline void registerFreshMissions() {
    MissionRegistry& registry = testMissions();
    registry.clear();
    loadTestCampaign(registry);
}

inline Mission& mission(const std::string& name) { return *testMissions().at(name); }

// The lines of a file under tests/data/, without blank lines and comments.
inline std::vector<std::string> dataLines(const std::string& name) {
    std::vector<std::string> lines;
    std::ifstream file(std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + name);
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

// The mission a line of solutions.tsv names: a built-in title, or a mission
// file (a name ending in ".toml", found from tests/data/). Null if neither.
inline Mission* solutionMission(const std::string& name) {
    static std::map<std::string, std::unique_ptr<Mission>> files;
    if (name.size() < 5 || name.compare(name.size() - 5, 5, ".toml") != 0) {
        auto found = testMissions().find(name);
        return found == testMissions().end() ? nullptr : found->second.get();
    }
    std::unique_ptr<Mission>& file = files[name];
    MissionDef def;
    if (!file &&
        readMissionFile(std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + name, def, std::cout))
        file = std::make_unique<DataMission>(def);
    return file.get();
}

// What `program` asks of the ship in its first `steps` steps: "step:t<x>,<y>"
// for a thrust, "step:r<amount>" for a turn, amounts cut to whole numbers.
inline std::string commandsIssued(const Program& program, int steps) {
    struct Recorder : VirtualMachine {
        std::string calls;
        int now = 0;
        void note(char what, double a, const std::string& more = "") {
            calls += std::to_string(now) + ":" + what + std::to_string((long long)a) + more + " ";
        }
        void thrust(Vec2 amount) override {
            note('t', amount.x, "," + std::to_string((long long)amount.y));
        }
        void turn(double amount) override { note('r', amount); }
    } vm;
    vm.program = program;
    for (vm.now = 1; vm.now <= steps; ++vm.now) vm.step();
    return vm.calls;
}

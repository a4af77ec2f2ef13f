#pragma once

#include <iostream>
#include <memory>
#include <string>

#include "missions/DataMission.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/World.h"
#include "tests/support/ScratchDirectory.h"

// The 21 missions and a world for tests of the simulation library, one of
// each per test program. The missions are freed at exit, so that the leak
// checker sees none left behind.
struct TestMissions {
    MissionRegistry registry;
    ~TestMissions() {
        for (auto& entry : registry) delete entry.second;
    }
};
inline MissionRegistry& testMissions() {
    static TestMissions missions;
    if (missions.registry.empty()) registerMissions(missions.registry);
    return missions.registry;
}
inline World& testWorld() {
    static World world;
    return world;
}

// The 21 missions, registered afresh with no scores.
inline void registerFreshMissions() {
    MissionRegistry& registry = testMissions();
    for (auto& entry : registry) delete entry.second;
    registry.clear();
    registerMissions(registry);
}

inline Mission& mission(const std::string& name) { return *testMissions().at(name); }

// The mission of a stored solution named by a mission file (a name ending in
// ".toml", found from tests/data/); null for any other name.
inline std::unique_ptr<Mission> missionFile(const std::string& name) {
    if (name.size() < 5 || name.compare(name.size() - 5, 5, ".toml") != 0) return nullptr;
    MissionSpec spec;
    if (!readMissionFile(std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + name, spec, std::cout))
        return nullptr;
    return std::make_unique<DataMission>(spec);
}

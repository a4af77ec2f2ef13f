#pragma once

#include <string>

#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/World.h"
#include "tests/support/ScratchDirectory.h"

// The 21 missions and a world for tests of the simulation library, one of
// each per test program.
inline MissionRegistry& testMissions() {
    static MissionRegistry registry;
    if (registry.empty()) registerMissions(registry);
    return registry;
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

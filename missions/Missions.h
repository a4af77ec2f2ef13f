#pragma once

#include <map>
#include <string>
#include <vector>

class Mission;

// Missions by name, in byte-wise name order; owns the missions for the whole run.
using MissionRegistry = std::map<std::string, Mission*>;

// Creates the 21 missions in their fixed order and registers each under its name.
void registerMissions(MissionRegistry& registry);

struct RankGroup {
    const char* title;
    std::vector<std::string> missions;  // in menu order
};
// "Cadet Missions", "Ensign Missions", "Lieutenant Missions", "Commander Missions".
const std::vector<RankGroup>& rankGroups();

#pragma once

#include <map>
#include <string>
#include <vector>

class Level;

// Missions by name, in byte-wise name order; owns the missions for the whole run.
using LevelRegistry = std::map<std::string, Level*>;

// Creates the 21 missions in their fixed order and registers each under its name.
void registerLevels(LevelRegistry& registry);

struct RankGroup {
    const char* title;
    std::vector<std::string> missions;  // in menu order
};
// "Cadet Missions", "Ensign Missions", "Lieutenant Missions", "Commander Missions".
const std::vector<RankGroup>& rankGroups();

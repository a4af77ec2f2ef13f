#pragma once

#include <string>

#include "sim/Rules.h"

struct World;

// One mission: its rules (set-up, per-step check, goals, costs, medal
// limits), its title and briefing. The player's records live in the record
// store. Missions are owned by the registry and never destroyed.
class Mission : public Rules {
public:
    std::string name;      // title; registry and score-file key
    std::string briefing;  // prose, "Good luck Quorrin!", objectives

protected:
    Mission(const char* name_, const char* briefing_, float gold, float silver);
};

// The mission `world` flies; null if none, or if its rules are no mission's.
const Mission* missionOf(const World& world);
// Its title; empty if none.
const std::string& nameOf(const World& world);

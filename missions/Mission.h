#pragma once

#include <string>

#include "sim/Rules.h"

struct World;

// One mission: its rules (set-up, per-step check, goals, costs, medal
// limits), its title and briefing, and the player's record on it. Missions
// are owned by the registry and never destroyed.
class Mission : public Rules {
public:
    std::string name;          // title; registry and score-file key
    std::string briefing;      // prose, "Good luck Quorrin!", objectives
    float bestScore = 0.0f;    // lowest score achieved; 0 = never won
    std::string savedProgram;  // program text of the best run; empty until won

protected:
    Mission(const char* name_, const char* briefing_, float gold, float silver);
};

// The mission `world` flies; null if none, or if its rules are no mission's.
const Mission* missionOf(const World& world);
// The player's best score on the mission `world` flies; 0 if never won or none.
float recordedBest(const World& world);

#pragma once

#include <string>
#include <vector>

#include "missions/Levels.h"

struct World;

// The headless runner's `optimize "MISSION NAME" "PROGRAM TEXT" SEED [BEST]`:
// loads the program into the mission as the game does, seeds the generator,
// sets the mission's best score, runs the optimizer with its usual progress
// lines and prints the resulting program text as the last line. `args` are
// the words after "optimize". Returns the process exit status.
int runOptimizeCommand(const std::vector<std::string>& args, LevelRegistry& levels, World& world);

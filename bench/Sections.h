#pragma once

#include <vector>

#include "bench/Missions.h"

struct World;

// Each section prints its rows of the table; `rounds` samples per figure,
// of which the median is shown.
void benchWorldSteps(World& world, const std::vector<Solution>& solutions, int rounds);
void benchOptimizer(World& world, const std::vector<Solution>& solutions, int rounds);

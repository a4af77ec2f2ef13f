#pragma once

#include "missions/Level_FirstLaunch.h"

// Planetary: the first launch again, with a circle nearly twice as wide.
class Level_BiggerLaunch : public Level_FirstLaunch {
public:
    Level_BiggerLaunch();
    void update(World& world) override;
    void drawGoals(World& world) override;
};

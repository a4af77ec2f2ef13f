#pragma once

#include "missions/Level.h"

// Planetary: land on the moon, then back on the planet. Draws no goals.
class Level_LunarLanding : public Level {
public:
    Level_LunarLanding();
    void setup(World& world) override;
    void update(World& world) override;

    bool visitedMoon = false;  // the ship has been landed on the moon this run
};

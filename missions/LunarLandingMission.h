#pragma once

#include "missions/Mission.h"

// Planetary: land on the moon, then back on the planet. Draws no goals.
class LunarLandingMission : public Mission {
public:
    LunarLandingMission();
    void setup(World& world) override;
    void update(World& world) override;

    bool visitedMoon = false;  // the ship has been landed on the moon this run
};

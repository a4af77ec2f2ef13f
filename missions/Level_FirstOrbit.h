#pragma once

#include "missions/Level.h"

// Planetary: hold a distance band around the planet for 20000 steps.
class Level_FirstOrbit : public Level {
public:
    Level_FirstOrbit();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;

    int rangeStart = 0;    // world time at which the ship last entered the band
    bool inRange = false;  // the ship is inside the band
};

#pragma once

#include "missions/Level.h"

// Orbital: fly low over a heavy planet for 10000 steps without landing and
// without rising above the radar ceiling.
class Level_TheSkyIsTheLimit : public Level {
public:
    Level_TheSkyIsTheLimit();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;

    bool launched = false;  // the ship has left the ground this run
    int launchStep = 0;     // world time of the first step off the ground
};

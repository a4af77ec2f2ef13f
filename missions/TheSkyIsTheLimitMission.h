#pragma once

#include "missions/Mission.h"

// Orbital: fly low over a heavy planet for 10000 steps without landing and
// without rising above the radar ceiling.
class TheSkyIsTheLimitMission : public Mission {
public:
    TheSkyIsTheLimitMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool launched = false;  // the ship has left the ground this run
    int launchStep = 0;     // world time of the first step off the ground
};

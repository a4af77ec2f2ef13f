#pragma once

#include "missions/Mission.h"

// Planetary: hold a distance band around the planet for 20000 steps.
class FirstOrbitMission : public Mission {
public:
    FirstOrbitMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    int rangeStart = 0;    // world time at which the ship last entered the band
    bool inRange = false;  // the ship is inside the band
};

#pragma once

#include "missions/Mission.h"

// Orbital: lift off a fast-spinning neutron star into a band around it.
class SpinCycleMission : public Mission {
public:
    SpinCycleMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool inRange = false;  // the ship is inside the band
    int rangeStart = 0;    // world time at which the ship last entered the band
};

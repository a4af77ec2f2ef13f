#pragma once

#include "missions/Mission.h"

// Orbital: circle the whole binary pair in a band around its centre.
class BinaryOrbitMission : public Mission {
public:
    BinaryOrbitMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    int rangeStart = 0;    // world time at which the ship last entered the band
    bool inRange = false;  // the ship is inside the band around the origin
};

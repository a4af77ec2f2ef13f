#pragma once

#include "missions/Mission.h"

// Orbital: reach the empty centre of a binary pair and stay there.
class BinaryCenterMission : public Mission {
public:
    BinaryCenterMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool inRange = false;  // the ship is within 50 of the origin
    int rangeStart = 0;    // world time at which the ship last got there
};

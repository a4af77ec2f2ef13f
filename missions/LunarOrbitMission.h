#pragma once

#include "missions/Mission.h"

// Orbital: fly from the planet to its moving moon and orbit the moon.
class LunarOrbitMission : public Mission {
public:
    LunarOrbitMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    int rangeStart = 0;    // world time at which the ship last entered the band
    bool inRange = false;  // the ship is inside the band around the moon
};

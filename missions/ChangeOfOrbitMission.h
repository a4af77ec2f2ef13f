#pragma once

#include "missions/Mission.h"

// Planetary: start in a high orbit and lower it into a band 100 to 150 from
// the planet. Its goals are shared by the orbital insertion.
class ChangeOfOrbitMission : public Mission {
public:
    ChangeOfOrbitMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool inRange = false;  // the ship is inside the band
    int rangeStart = 0;    // world time at which the ship last entered the band

protected:
    ChangeOfOrbitMission(const char* name, const char* briefing, float gold, float silver);
};

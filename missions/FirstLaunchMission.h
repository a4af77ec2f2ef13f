#pragma once

#include "missions/Mission.h"

// Planetary: lift off beyond a circle around the planet, then land anywhere.
// The bigger launch shares the set-up and the check, with a wider circle.
class FirstLaunchMission : public Mission {
public:
    FirstLaunchMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool leftCircle = false;  // the ship has been beyond the circle this run

protected:
    FirstLaunchMission(const char* name, const char* briefing, float gold, float silver);
    // Won on the first landed step after the ship was farther than `radius`
    // from the planet's centre.
    void checkLaunch(World& world, double radius);
    void addLaunchCircle(const World& world, Goals& out, double radius) const;
};

#pragma once

#include "missions/Mission.h"

// Training: one thrust into one red circle in empty space.
class ThrustMission : public Mission {
public:
    ThrustMission();
    void setup(World& world) override;
    // Won as soon as the ship is inside the circle around body 0.
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

protected:
    ThrustMission(const char* name, const char* briefing, float gold, float silver);
};

#pragma once

#include "missions/ChangeOfOrbitMission.h"

// Orbital: arrive at full speed and brake into a low orbit without landing.
// Draws its band as the change of orbit does.
class OrbitalInsertionMission : public ChangeOfOrbitMission {
public:
    OrbitalInsertionMission();
    void setup(World& world) override;
    void update(World& world) override;
};

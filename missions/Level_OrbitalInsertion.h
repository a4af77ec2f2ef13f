#pragma once

#include "missions/Level_ChangeOfOrbit.h"

// Orbital: arrive at full speed and brake into a low orbit without landing.
// Draws its band as the change of orbit does.
class Level_OrbitalInsertion : public Level_ChangeOfOrbit {
public:
    Level_OrbitalInsertion();
    void setup(World& world) override;
    void update(World& world) override;
};

#pragma once

#include "missions/EscapeVelocityMission.h"

// Planetary: take off and land on the far side of the planet.
class OppositeSideMission : public EscapeVelocityMission {
public:
    OppositeSideMission();
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;
};

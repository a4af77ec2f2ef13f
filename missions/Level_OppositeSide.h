#pragma once

#include "missions/Level_EsacpeVelocity.h"

// Planetary: take off and land on the far side of the planet.
class Level_OppositeSide : public Level_EsacpeVelocity {
public:
    Level_OppositeSide();
    void update(World& world) override;
    void drawGoals(World& world) override;
};

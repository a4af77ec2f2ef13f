#pragma once

#include "missions/Level.h"
#include "sim/TurningWindow.h"

// Orbital: hover above a settlement on a turning planet, inside a wedge of
// width π/4 that turns with it, for 15000 steps.
class Level_Geostationary : public Level {
public:
    Level_Geostationary();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;
    void drawFixedGoals(World& world) override;
    bool hasFixedGoals() const override { return true; }
    Vec2 fixedGoalsCentre(const World& world) const override;

    bool inRange = false;  // the ship is inside the wedge
    int rangeStart = 0;    // world time at which the ship last entered it
    TurningWindow window;  // the wedge, following the planet's turn
};

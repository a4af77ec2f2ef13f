#pragma once

#include "missions/Mission.h"
#include "sim/TurningWindow.h"

// Orbital: hover above a settlement on a turning planet, inside a wedge of
// width π/4 that turns with it, for 15000 steps.
class GeostationaryMission : public Mission {
public:
    GeostationaryMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;
    void fixedGoals(const World& world, Goals& out) const override;
    bool hasFixedGoals() const override { return true; }
    Vec2 fixedGoalsCentre(const World& world) const override;

    bool inRange = false;  // the ship is inside the wedge
    int rangeStart = 0;    // world time at which the ship last entered it
    TurningWindow window;  // the wedge, following the planet's turn
};

#pragma once

#include "missions/Mission.h"

// Training: four circles in any order.
class TurnIIIMission : public Mission {
public:
    TurnIIIMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool visited[4] = {false, false, false, false};  // one per goal circle, bodies 0 to 3
};

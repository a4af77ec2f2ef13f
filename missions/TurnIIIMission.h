#pragma once

#include "missions/Mission.h"

// Training: four circles in any order.
class TurnIIIMission : public Mission {
public:
    TurnIIIMission();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;

    bool visited[4] = {false, false, false, false};  // one per goal circle, bodies 0 to 3
};

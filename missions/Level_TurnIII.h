#pragma once

#include "missions/Level.h"

// Training: four circles in any order.
class Level_TurnIII : public Level {
public:
    Level_TurnIII();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;

    bool visited[4] = {false, false, false, false};  // one per goal circle, bodies 0 to 3
};

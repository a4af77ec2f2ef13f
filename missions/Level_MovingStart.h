#pragma once

#include "missions/Level_TurnII.h"

// Training: two circles, starting with the ship already drifting along +x.
class Level_MovingStart : public Level_TurnII {
public:
    Level_MovingStart();
    void setup(World& world) override;
};

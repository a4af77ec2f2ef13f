#pragma once

#include "missions/Level_TurnII.h"

// Training: two circles, starting with the ship already turning.
class Level_SpinningStart : public Level_TurnII {
public:
    Level_SpinningStart();
    void setup(World& world) override;
};

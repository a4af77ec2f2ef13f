#pragma once

#include "missions/TurnIIMission.h"

// Training: two circles, starting with the ship already turning.
class SpinningStartMission : public TurnIIMission {
public:
    SpinningStartMission();
    void setup(World& world) override;
};

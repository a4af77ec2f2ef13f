#pragma once

#include "missions/TurnIIMission.h"

// Training: two circles, starting with the ship already drifting along +x.
class MovingStartMission : public TurnIIMission {
public:
    MovingStartMission();
    void setup(World& world) override;
};

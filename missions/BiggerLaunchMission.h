#pragma once

#include "missions/FirstLaunchMission.h"

// Planetary: the first launch again, with a circle nearly twice as wide.
class BiggerLaunchMission : public FirstLaunchMission {
public:
    BiggerLaunchMission();
    void update(World& world) override;
    void drawGoals(World& world) override;
};

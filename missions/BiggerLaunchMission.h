#pragma once

#include "missions/FirstLaunchMission.h"

// Planetary: the first launch again, with a circle nearly twice as wide.
class BiggerLaunchMission : public FirstLaunchMission {
public:
    BiggerLaunchMission();
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;
};

#pragma once

#include "missions/ThrustMission.h"

// Training: turn towards a circle straight above, then thrust. Judged and
// shown as the thrust mission.
class TurnMission : public ThrustMission {
public:
    TurnMission();
    void setup(World& world) override;
};

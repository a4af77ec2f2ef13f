#pragma once

#include "missions/Level_Thrust.h"

// Training: turn towards a circle straight above, then thrust. Judged and
// drawn as the thrust mission.
class Level_Turn : public Level_Thrust {
public:
    Level_Turn();
    void setup(World& world) override;
};

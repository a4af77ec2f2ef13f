#pragma once

#include "missions/Level.h"

// Training: one thrust into one red circle in empty space.
class Level_Thrust : public Level {
public:
    Level_Thrust();
    void setup(World& world) override;
    // Won as soon as the ship is inside the circle around body 0.
    void update(World& world) override;
    void drawGoals(World& world) override;

protected:
    Level_Thrust(const char* name, const char* briefing, float gold, float silver);
};

#pragma once

#include "missions/Level.h"

// Planetary: climb so far that the ship never falls back. Its set-up is
// shared by the opposite-side landing.
class Level_EsacpeVelocity : public Level {
public:
    Level_EsacpeVelocity();
    void setup(World& world) override;
    void update(World& world) override;
    void drawGoals(World& world) override;

protected:
    Level_EsacpeVelocity(const char* name, const char* briefing, float gold, float silver);
};

#pragma once

#include "missions/Mission.h"

// Planetary: climb so far that the ship never falls back. Its set-up is
// shared by the opposite-side landing.
class EscapeVelocityMission : public Mission {
public:
    EscapeVelocityMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

protected:
    EscapeVelocityMission(const char* name, const char* briefing, float gold, float silver);
};

#pragma once

#include "missions/Mission.h"

// Training: two circles, visited in either order. Its check and goals are
// shared by the moving and spinning starts.
class TurnIIMission : public Mission {
public:
    TurnIIMission();
    void setup(World& world) override;
    void update(World& world) override;
    void goals(const World& world, Goals& out) const override;

    bool visited[2] = {false, false};  // one per goal circle, bodies 0 and 1

protected:
    TurnIIMission(const char* name, const char* briefing, float gold, float silver);
    // Clears the flags and outcome for a fresh run.
    void clearProgress();
};

#include "sim/Rules.h"

#include "sim/World.h"

int medalFor(float value, const Rules& rules) {
    if (value == 0.0f) return 0;
    if (value <= rules.goldLimit) return 3;
    if (value <= rules.silverLimit) return 2;
    return 1;
}

long Judge::earliestEnd(const World& world) const { return world.time; }

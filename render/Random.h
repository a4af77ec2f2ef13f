#pragma once

#include <cstdint>

// The process-wide MT19937. Until seeded it behaves as the reference
// generator (first use seeds it with 5489).
uint32_t random32();
void seedRandom(uint32_t seed);
// (random32() + 0.5) * 2^-32, in (0, 1).
double openUniform();
// random32() / 4294967295, in [0, 1].
double closedUniform();

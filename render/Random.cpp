#include "render/Random.h"

#include <random>

namespace {

// Constructed on first use so that static initialisers elsewhere (the star
// field of the application object) can draw from it in any order; its
// default state is the reference generator's (seed 5489).
std::mt19937& generator() {
    static std::mt19937 g;
    return g;
}

}  // namespace

uint32_t random32() { return static_cast<uint32_t>(generator()()); }

void seedRandom(uint32_t seed) { generator().seed(seed); }

double openUniform() { return (double(random32()) + 0.5) * (1.0 / 4294967296.0); }

double closedUniform() { return double(random32()) * (1.0 / 4294967295.0); }

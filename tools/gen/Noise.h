#pragma once

#include <cstdint>

#include "tools/gen/Math.h"

// Seeded 3-D gradient noise, values roughly in -1..1. The lattice repeats
// every `period` cells along x and y, so noise sampled over one period tiles
// seamlessly.
class Noise {
public:
    explicit Noise(uint64_t seed);

    double at(Vec3 p, int period = 256) const;
    // Fractal sum of `octaves` layers, each twice the frequency and half the
    // amplitude of the one before; normalised to roughly -1..1.
    double fractal(Vec3 p, int octaves, int period = 256) const;

private:
    double gradientDot(int ix, int iy, int iz, double fx, double fy, double fz) const;

    uint8_t perm_[512];
};

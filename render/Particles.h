#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "render/WindowSize.h"

// One point of a particle effect; the spawn rules set every field.
struct Particle {
    float x, y, z;
    float vx, vy, vz;
    float r, g, b;
    float dr, dg, db;
    int32_t life;
};

// The particles of one effect.
class ParticleSet {
public:
    std::vector<Particle> items;
};

// The menus' star field, flying towards the viewer (window pixels). Draws
// from `random`, which its owner keeps.
class StarField : public ParticleSet {
public:
    StarField(int count, std::mt19937& random);
    void step(WindowSize window);
    void draw(WindowSize window) const;

private:
    std::mt19937& random;
};

// The intro's slowly drifting background points (intro units: ten pixels).
class DriftField : public ParticleSet {
public:
    explicit DriftField(std::mt19937& random);
    void init(WindowSize window);
    void step(WindowSize window);
    void draw(WindowSize window) const;

private:
    std::mt19937& random;
};

// The intro ship's exhaust plume, relative to the ship.
class Exhaust : public ParticleSet {
public:
    explicit Exhaust(std::mt19937& random);
    void init();
    void step(WindowSize window);
    void draw(WindowSize window) const;

private:
    std::mt19937& random;
};

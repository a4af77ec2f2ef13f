#pragma once

#include <cstdint>

// One point of a particle effect; the spawn rules set every field.
struct Particle {
    float x, y, z;
    float vx, vy, vz;
    float r, g, b;
    float dr, dg, db;
    int32_t life;
};

// A growable, owned array of particles.
class ParticleSet {
public:
    ParticleSet() = default;
    ~ParticleSet();
    ParticleSet(const ParticleSet&) = delete;
    ParticleSet& operator=(const ParticleSet&) = delete;

    // Allocates exactly n and keeps the existing particles; n < 1 empties it.
    void resize(int n);
    Particle* items = nullptr;
    int count = 0;
    int capacity = 0;
};

// The menus' star field, flying towards the viewer (window pixels).
class StarField : public ParticleSet {
public:
    explicit StarField(int count);
    void step();
    void draw() const;
};

// The intro's slowly drifting background points (intro units: ten pixels).
class DriftField : public ParticleSet {
public:
    void init();
    void step();
    void draw() const;
};

// The intro ship's exhaust plume, relative to the ship.
class Exhaust : public ParticleSet {
public:
    void init();
    void step();
    void draw() const;
};

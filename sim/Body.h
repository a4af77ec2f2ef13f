#pragma once

#include <string>

#include "sim/Vec2.h"

class Mesh;
struct Texture;

// A planet, moon or star, or a non-solid objective marker. Owned by World::bodies.
struct Body {
    Body() = default;
    ~Body();
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    double radius = 0.0;        // world units; also the mesh's drawing scale
    double mass = 0.0;          // gravitational parameter (G folded in)
    Vec2 position;              // centre, world units
    Vec2 velocity;              // world units per step
    double angle = 0.0;         // radians
    double spin = 0.0;          // radians per step
    bool solid = true;          // pulls, and can be landed on
    Mesh* mesh = nullptr;       // owned, may be null
    Texture* texture = nullptr; // from the texture cache, not owned, may be null

    void load(const std::string& meshFile, const std::string& textureFile);
    void draw() const;
};

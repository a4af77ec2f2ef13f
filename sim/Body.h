#pragma once

#include <string>

#include "sim/Vec2.h"

// A planet, moon or star, or a non-solid objective marker. Owned by World::bodies.
struct Body {
    double radius = 0.0;  // world units; also the model's drawing scale
    double mass = 0.0;    // gravitational parameter (G folded in)
    Vec2 position;        // centre, world units
    Vec2 velocity;        // world units per step
    double angle = 0.0;   // radians
    double spin = 0.0;    // radians per step
    bool solid = true;    // pulls, and can be landed on
    std::string model;    // OBJ file it is drawn with; empty for none
    std::string texture;  // image file on that model; empty for none
};

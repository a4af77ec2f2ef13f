#pragma once

#include "sim/Vec2.h"

struct World;

// Where the space view looks: the world point at its middle and how large
// one world unit is drawn.
struct Camera {
    Vec2 center;         // world units
    double scale = 0.0;  // view size per world unit, relative to the view's shorter side
};

// The camera that frames every body, the ship and the mission's framed goals
// in a view of `viewWidth` by `viewHeight` pixels; `previous` when there is
// no ship to frame.
Camera frameCamera(const World& world, float viewWidth, float viewHeight, Camera previous);

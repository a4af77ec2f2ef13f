#pragma once

#include <vector>

#include "sim/Vec2.h"

// One shape of a mission's objectives as the space view shows it. Missions
// describe their goals with these; the view draws them.
struct Goal {
    enum Shape {
        Circle,  // a circle of `radius` around `centre`
        Sector,  // two rays from `centre`, at `angle` and at `angle + width`
    };
    enum Look {
        Unmet,        // an objective not met yet
        Met,          // an objective met
        GuideBright,  // a height mark, every other one
        GuideDim,     // the height marks between
    };
    Shape shape = Circle;
    Look look = Unmet;
    Vec2 centre;          // world units
    double radius = 0.0;  // world units (Circle)
    double angle = 0.0;   // radians (Sector)
    double width = 0.0;   // radians (Sector)
    bool framed = false;  // the camera keeps the whole circle in view
};

using Goals = std::vector<Goal>;

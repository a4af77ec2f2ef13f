#pragma once

#include <vector>

#include "tools/gen/Relief.h"

// The ship's shape in model units, shared by its mesh and its skin so that
// the painted window, stripes and fins land where the geometry is.
namespace ship {

struct Ring {
    double y, radius;
};

// Hull outline from the nose down to the tail, then the engine bell.
inline const std::vector<Ring>& hull() {
    static const std::vector<Ring> rings = {{0.98, 0.0},   {0.88, 0.07}, {0.70, 0.15},
                                            {0.45, 0.21},  {0.15, 0.24}, {-0.40, 0.24},
                                            {-0.62, 0.21}, {-0.72, 0.16}};
    return rings;
}
inline const std::vector<Ring>& bell() {
    static const std::vector<Ring> rings = {{-0.72, 0.10}, {-0.84, 0.13}, {-0.96, 0.18}};
    return rings;
}

// The right fin in the z = 0 plane; the left one is its mirror image.
inline const std::vector<Point>& fin() {
    static const std::vector<Point> corners = {
        {0.20, -0.08}, {0.50, -0.50}, {0.50, -0.84}, {0.20, -0.66}};
    return corners;
}

constexpr int kSegments = 8;  // around the hull

// Texture regions (t from the bottom): hull above, bell in the middle, fins
// at the bottom.
constexpr double kHullT0 = 0.30, kHullT1 = 1.0;
constexpr double kBellT0 = 0.17, kBellT1 = 0.27;
constexpr double kFinT0 = 0.01, kFinT1 = 0.15;
constexpr double kFinS0 = 0.02, kFinS1 = 0.98;
constexpr double kFinX0 = 0.18, kFinX1 = 0.54, kFinY0 = -0.90, kFinY1 = -0.06;

inline double hullT(double y) {
    return kHullT0 +
           (y - hull().back().y) / (hull().front().y - hull().back().y) * (kHullT1 - kHullT0);
}
inline double bellT(double y) {
    return kBellT0 +
           (y - bell().back().y) / (bell().front().y - bell().back().y) * (kBellT1 - kBellT0);
}
inline double finS(double x) {
    return kFinS0 + (x - kFinX0) / (kFinX1 - kFinX0) * (kFinS1 - kFinS0);
}
inline double finT(double y) {
    return kFinT0 + (y - kFinY0) / (kFinY1 - kFinY0) * (kFinT1 - kFinT0);
}

}  // namespace ship

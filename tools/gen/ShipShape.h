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

// A linear map between a model quantity and a texture coordinate.
struct Span {
    double from0, from1, to0, to1;
    double map(double v) const { return to0 + (v - from0) / (from1 - from0) * (to1 - to0); }
    double unmap(double v) const { return from0 + (v - to0) / (to1 - to0) * (from1 - from0); }
};

// Texture regions: the hull above t = 0.3 all the way round; below it, the
// fin on the left (its length along s, so its texels stay about square) and
// the bell on the right.
constexpr double kHullBottomT = 0.29;
constexpr double kBellLeftS = 0.5;
inline const Span hullT{hull().back().y, hull().front().y, 0.30, 1.0};   // hull y -> t
inline const Span bellT{bell().back().y, bell().front().y, 0.03, 0.27};  // bell y -> t
inline const Span bellS{0.0, 1.0, 0.52, 0.98};                           // fraction of a turn -> s
inline const Span finS{-0.90, -0.06, 0.02, 0.48};                        // fin y -> s
inline const Span finT{0.18, 0.54, 0.03, 0.27};                          // fin x -> t

}  // namespace ship

#pragma once

#include <vector>

#include "tools/gen/Math.h"

// Helpers for metal objects drawn as height fields lit from the upper left:
// shapes as signed distances (negative inside) and a shading rule.

struct Point {
    double x = 0, y = 0;
};

// Signed distance from p to a closed polygon (any winding).
double polygonDistance(const std::vector<Point>& polygon, Point p);

// A five-pointed star centred on the origin, first point straight up (-y).
std::vector<Point> starPolygon(double outer, double inner);

// Surface normal of height(x, y) by central differences with step eps.
template <typename Height>
Vec3 reliefNormal(Height height, double x, double y, double eps) {
    double dx = (height(x + eps, y) - height(x - eps, y)) / (2 * eps);
    double dy = (height(x, y + eps) - height(x, y - eps)) / (2 * eps);
    return normalize({-dx, -dy, 1.0});
}

// Polished metal: a dark-to-base ramp by the diffuse light plus a highlight.
struct MetalTone {
    Rgba dark, base, shine;
};
Rgba shadeMetal(const MetalTone& tone, Vec3 normal);

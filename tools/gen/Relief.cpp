#include "tools/gen/Relief.h"

#include <cmath>

double polygonDistance(const std::vector<Point>& polygon, Point p) {
    double best = 1e30;
    bool inside = false;
    size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        Point a = polygon[j], b = polygon[i];
        double ex = b.x - a.x, ey = b.y - a.y;
        double wx = p.x - a.x, wy = p.y - a.y;
        double t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
        double dx = wx - ex * t, dy = wy - ey * t;
        best = std::min(best, dx * dx + dy * dy);
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * ex) {
            inside = !inside;
        }
    }
    double d = std::sqrt(best);
    return inside ? -d : d;
}

std::vector<Point> starPolygon(double outer, double inner) {
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        double angle = i * kPi / 5;
        double r = i % 2 == 0 ? outer : inner;
        star.push_back({r * std::sin(angle), -r * std::cos(angle)});
    }
    return star;
}

Rgba shadeMetal(const MetalTone& tone, Vec3 normal) {
    const Vec3 light = normalize({-0.55, -0.65, 0.75});
    double diffuse = std::max(0.0, dot(normal, light));
    // Mirror direction of the light about the normal, seen from straight on.
    double reflectedZ = 2 * dot(normal, light) * normal.z - light.z;
    double specular = std::pow(std::max(0.0, reflectedZ), 24.0);
    Rgba c = mix(tone.dark, tone.base, clamp01(diffuse * 1.15));
    c = mix(c, tone.shine, clamp01(specular * 0.9));
    c.a = 1.0f;
    return c;
}

#include <cmath>

#include "tools/gen/Generators.h"
#include "tools/gen/Relief.h"

namespace {

MetalTone toneOf(Metal metal) {
    switch (metal) {
        case Metal::Gold:
            return {rgb(120, 70, 10), rgb(255, 200, 60), rgb(255, 250, 210)};
        case Metal::Silver:
            return {rgb(70, 75, 85), rgb(215, 220, 228), rgb(255, 255, 255)};
        case Metal::Bronze:
            break;
    }
    return {rgb(85, 40, 15), rgb(205, 125, 70), rgb(255, 220, 185)};
}

// Height of the medal's face, in disc radii: a rounded rim, a groove, and a
// star with sharp ridges in the middle.
double medalHeight(double x, double y) {
    static const std::vector<Point> star = starPolygon(0.56, 0.24);
    double d = std::sqrt(x * x + y * y);
    if (d >= 0.84) {
        double t = (d - 0.92) / 0.08;
        return 0.02 + 0.07 * std::sqrt(std::max(0.0, 1 - t * t));
    }
    double h = 0.02;
    h -= 0.015 * std::max(0.0, 1 - std::abs(d - 0.74) / 0.025);
    double inside = -polygonDistance(star, {x, y});
    h += 0.45 * std::clamp(inside, 0.0, 0.11);
    return h;
}

// One strap of the ribbon, from the top edge down behind the disc; side is
// -1 for the left strap, +1 for the right one. Returns transparent outside.
Rgba strap(double x, double y, double side, double top) {
    Point a{side * 0.62, top}, b{side * -0.05, -0.55};
    double ex = b.x - a.x, ey = b.y - a.y, len = std::sqrt(ex * ex + ey * ey);
    double along = ((x - a.x) * ex + (y - a.y) * ey) / (len * len);
    double across = ((x - a.x) * -ey + (y - a.y) * ex) / len / 0.3 * side;
    if (along < 0 || along > 1 || std::abs(across) > 1) return {};
    double s = std::abs(across);
    Rgba c = s < 0.22 ? rgb(235, 235, 240) : s < 0.5 ? rgb(190, 30, 40) : rgb(30, 45, 120);
    double light = 0.8 + 0.2 * across * side;  // cloth turns slightly towards the light
    light *= side > 0 ? 0.72 : 1.0;            // the right strap lies behind
    double sx = x - 0.05, sy = y - 0.08;       // the disc's shadow
    light *= 0.55 + 0.45 * smoothstep(1.0, 1.12, std::sqrt(sx * sx + sy * sy));
    return scaled(c, light);
}

}  // namespace

// A medal on a two-strap ribbon. Wide images get the large layout: the disc
// low in the picture and the ribbon fading out 40 pixels below the top, so
// the lines of text above the medal on the completion screen stay clear.
// Small ones are icons that fill their width.
Image makeMedal(Metal metal, int width, int height) {
    bool large = width >= 100;
    double radius = large ? width * 0.293 : width / 2.0 - 0.75;
    double cx = width / 2.0;
    double cy = large ? height * 0.57 : height - width / 2.0;
    double top = -cy / radius;
    double fadeStart = large ? (40 - cy) / radius : top, fadeEnd = fadeStart + 30 / radius;
    MetalTone tone = toneOf(metal);
    double eps = 0.5 / radius;
    return supersample(width, height, 4, [&](double px, double py) -> Rgba {
        double x = (px - cx) / radius, y = (py - cy) / radius;
        double d = std::sqrt(x * x + y * y);
        if (d <= 1.0) return shadeMetal(tone, reliefNormal(medalHeight, x, y, eps));
        Rgba ribbon = strap(x, y, -1, top);
        if (ribbon.a == 0) ribbon = strap(x, y, 1, top);
        if (large) ribbon.a *= float(smoothstep(fadeStart, fadeEnd, y));
        return ribbon;
    });
}

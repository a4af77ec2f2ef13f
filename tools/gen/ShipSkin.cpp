#include <cmath>

#include "tools/gen/Generators.h"
#include "tools/gen/Noise.h"
#include "tools/gen/ShipShape.h"

namespace {

// Hull radius at height y, following the outline between its rings.
double hullRadius(double y) {
    const auto& rings = ship::hull();
    for (size_t k = 0; k + 1 < rings.size(); ++k) {
        if (y >= rings[k + 1].y) {
            double t = (y - rings[k + 1].y) / (rings[k].y - rings[k + 1].y);
            return mix(rings[k + 1].radius, rings[k].radius, t);
        }
    }
    return rings.back().radius;
}

// Light across the hull: bright where it faces the camera, with a soft
// highlight left of the middle, dark towards the sides.
double roundness(double longitude) {
    double facing = std::max(0.0, std::cos(longitude));
    double highlight = std::exp(-std::pow((longitude + 0.45) / 0.3, 2));
    return 0.35 + 0.6 * facing + 0.35 * highlight;
}

// A thin dark line where |v| is near 0, width w.
double seam(double v, double w) { return 1 - 0.35 * std::max(0.0, 1 - std::abs(v) / w); }

Rgba hullColour(double y, double longitude) {
    double r = hullRadius(y);
    Rgba c = rgb(205, 210, 220);
    if (y > 0.70) c = rgb(200, 40, 40);                    // nose
    if (std::abs(y - 0.0) < 0.05) c = rgb(40, 80, 190);    // blue band
    if (std::abs(y + 0.52) < 0.035) c = rgb(200, 40, 40);  // red band
    double panel = longitude / (kPi / 4);
    c = scaled(c, seam(panel - std::round(panel), 0.03 / std::max(r, 0.05)));
    c = scaled(c, seam(y - 0.30, 0.006) * seam(y + 0.30, 0.006));
    // The porthole, measured on the hull's surface.
    double dx = r * longitude, dy = y - 0.40;
    double d = std::sqrt(dx * dx + dy * dy);
    if (d < 0.095) c = rgb(120, 125, 135);  // window frame
    if (d < 0.075) {
        double glint = std::exp(-((dx + 0.03) * (dx + 0.03) + (dy - 0.03) * (dy - 0.03)) / 0.0006);
        c = mix(mix(rgb(20, 50, 110), rgb(60, 140, 220), clamp01(0.5 - dy * 6)), rgb(230, 245, 255),
                glint);
    }
    return scaled(c, roundness(longitude));
}

Rgba bellColour(double y, double longitude) {
    Rgba c = rgb(80, 82, 92);
    double ring = std::sin((y + 0.72) * 60.0);
    c = scaled(c, 0.9 + 0.1 * ring);
    return scaled(c, roundness(longitude));
}

Rgba finColour(double x, double y) {
    double inside = -polygonDistance(ship::fin(), {x, y});
    Rgba c = mix(rgb(130, 20, 25), rgb(205, 45, 45), smoothstep(0.0, 0.03, inside));
    // A white flash along the fin.
    double stripe = std::abs((y + 0.47) - (x - 0.20) * -0.9);
    if (stripe < 0.035 && inside > 0.02) c = rgb(235, 235, 240);
    return c;
}

}  // namespace

// Laid out for the ship's texture coordinates (see ShipShape.h).
Image makeShipSkin(int size) {
    Noise grain(51);
    Image image(size, size);
    for (int py = 0; py < size; ++py) {
        double t = 1 - (py + 0.5) / size;
        for (int px = 0; px < size; ++px) {
            double s = (px + 0.5) / size;
            Rgba c;
            if (t >= ship::kHullBottomT) {
                c = hullColour(ship::hullT.unmap(t), 2 * kPi * (s - 0.5));
            } else if (s >= ship::kBellLeftS) {
                c = bellColour(ship::bellT.unmap(t), 2 * kPi * (ship::bellS.unmap(s) - 0.5));
            } else {
                c = finColour(ship::finT.unmap(t), ship::finS.unmap(s));
            }
            // Brushed metal: faint streaks along the ship.
            double streak = grain.at({s * 64, t * 4, 0.5}, 64);
            c = scaled(c, 0.96 + 0.06 * streak);
            c.a = 1.0f;
            image.set(px, py, c);
        }
    }
    return image;
}

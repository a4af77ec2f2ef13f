#include <cmath>

#include "tools/gen/Generators.h"
#include "tools/gen/Raster.h"
#include "tools/gen/Relief.h"

namespace {

// The picture in unit coordinates: (0, 0) top-left, (1, 1) bottom-right.
constexpr double kDiscRadius = 0.48;
const Point kPlanet{0.42, 0.58};
constexpr double kPlanetRadius = 0.25;
// The orbit: an ellipse round the planet, tilted to rise to the right.
constexpr double kOrbitA = 0.43, kOrbitB = 0.15, kOrbitTilt = -0.42;  // radians
constexpr double kShipAt = 0.55;  // radians along the orbit from its right end, on the near side

Rgba over(Rgba top, Rgba below) {
    float a = top.a + below.a * (1 - top.a);
    if (a <= 0) return {};
    auto channel = [&](float t, float b) { return (t * top.a + b * below.a * (1 - top.a)) / a; };
    return {channel(top.r, below.r), channel(top.g, below.g), channel(top.b, below.b), a};
}

Rgba withAlpha(Rgba c, double alpha) {
    c.a *= float(clamp01(alpha));
    return c;
}

// Point of the orbit at angle t, and its direction of travel: anticlockwise
// as the picture shows it, rising on the near side.
Point orbitPoint(double t) {
    double x = kOrbitA * std::cos(t), y = kOrbitB * std::sin(t);
    double c = std::cos(kOrbitTilt), s = std::sin(kOrbitTilt);
    return {kPlanet.x + x * c - y * s, kPlanet.y + x * s + y * c};
}
Point orbitHeading(double t) {
    double x = kOrbitA * std::sin(t), y = -kOrbitB * std::cos(t);
    double c = std::cos(kOrbitTilt), s = std::sin(kOrbitTilt);
    return {x * c - y * s, x * s + y * c};
}

// Deep space inside a disc with a lit rim.
Rgba backdrop(double x, double y, double pixel) {
    double d = std::hypot(x - 0.5, y - 0.5);
    double inside = smoothstep(kDiscRadius + pixel / 2, kDiscRadius - pixel / 2, d);
    if (inside <= 0) return {};
    Rgba space = mix(rgb(28, 40, 92), rgb(4, 6, 22), clamp01((x + y) * 0.6));
    double rimWidth = std::max(pixel, 0.02);
    Rgba c = mix(space, rgb(110, 140, 220), smoothstep(kDiscRadius - rimWidth, kDiscRadius, d));
    return withAlpha(c, inside);
}

// The planet as a lit sphere wearing the earth skin, with a thin atmosphere.
Rgba planet(const Image& skin, double x, double y, double pixel) {
    double px = (x - kPlanet.x) / kPlanetRadius, py = (kPlanet.y - y) / kPlanetRadius;
    double d = std::hypot(px, py);
    double edge = pixel / kPlanetRadius;
    if (d >= 1 + edge) {
        double glow = 1 - smoothstep(1.0, 1.12, d);
        return withAlpha(rgb(120, 180, 255), 0.5 * glow);
    }
    double z = std::sqrt(std::max(0.0, 1 - d * d));
    double lon = std::atan2(px, z), lat = std::asin(std::clamp(py, -1.0, 1.0));
    double u = lon / (2 * kPi) + 0.5, v = 0.5 - lat / kPi;
    int sx = std::clamp(int(u * skin.width), 0, skin.width - 1);
    int sy = std::clamp(int(v * skin.height), 0, skin.height - 1);
    Vec3 light = normalize({0.6, 0.55, 0.6});
    double lit = 0.25 + 0.9 * std::max(0.0, dot({px, py, z}, light));
    return withAlpha(scaled(skin.get(sx, sy), lit), smoothstep(1 + edge, 1 - edge, d));
}

// The orbit line; `front` picks the half that passes before the planet.
Rgba orbit(double x, double y, double pixel, bool front) {
    double c = std::cos(kOrbitTilt), s = std::sin(kOrbitTilt);
    double dx = x - kPlanet.x, dy = y - kPlanet.y;
    double ex = dx * c + dy * s, ey = -dx * s + dy * c;
    if ((ey > 0) != front) return {};
    double f = std::hypot(ex / kOrbitA, ey / kOrbitB);
    if (f == 0) return {};
    double gx = ex / (kOrbitA * kOrbitA * f), gy = ey / (kOrbitB * kOrbitB * f);
    double distance = std::abs(f - 1) / std::hypot(gx, gy);
    double half = std::max(pixel * 0.6, 0.009);
    return withAlpha(rgb(150, 230, 255), smoothstep(half + pixel / 2, half - pixel / 2, distance));
}

}  // namespace

// The desktop icon: the ship on its orbit round a planet, in a disc of
// space. Drawn from the same skins and ship model as the game.
Image makeIcon(int size) {
    static const Image earth = makeEarth(512, 256);
    static const Image shipSkin = makeShipSkin(512);
    const double pixel = 1.0 / size;
    Image scene = supersample(size, size, 4, [&](double px, double py) -> Rgba {
        double x = px / size, y = py / size;
        if (std::hypot(x - 0.5, y - 0.5) > kDiscRadius + pixel) return {};
        Rgba c = backdrop(x, y, pixel);
        c = over(orbit(x, y, pixel, false), c);
        c = over(planet(earth, x, y, pixel), c);
        return over(orbit(x, y, pixel, true), c);
    });
    // The ship rides the near side of the orbit, nose along its path; small
    // icons get a larger ship so it stays more than a speck.
    Point at = orbitPoint(kShipAt), heading = orbitHeading(kShipAt);
    double length = size >= 48 ? 0.13 : 0.17;  // half the ship's length, picture widths
    Placement place{at.x * size, at.y * size, length * size, std::atan2(-heading.x, -heading.y)};
    Image ship = renderModel(makeShip(), shipSkin, size, size, place);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) scene.set(x, y, over(ship.get(x, y), scene.get(x, y)));
    }
    return scene;
}

#pragma once

#include <algorithm>
#include <cmath>

#include "tools/gen/Image.h"

constexpr double kPi = 3.141592653589793;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalize(Vec3 a) { return a * (1.0 / length(a)); }

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double mix(double a, double b, double t) { return a + (b - a) * t; }
inline double smoothstep(double e0, double e1, double v) {
    double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

inline Rgba mix(Rgba a, Rgba b, double t) {
    float f = float(t);
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f,
            a.a + (b.a - a.a) * f};
}
inline Rgba scaled(Rgba c, double s) {
    float f = float(s);
    return {c.r * f, c.g * f, c.b * f, c.a};
}
// An opaque colour from 0..255 channel values.
inline Rgba rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f}; }

// The point of the unit sphere at texture position (u, v) of an
// equirectangular map, v measured from the top (north pole) of the image.
// u = 0.5 faces +z, the side the game's camera sees; u grows towards +x.
inline Vec3 spherePoint(double u, double v) {
    double lon = 2 * kPi * (u - 0.5);
    double lat = kPi * (0.5 - v);
    return {std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
}

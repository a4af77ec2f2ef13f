#pragma once

#include <cmath>

// The simulation's double-precision vector. Every operation returns a new
// value; the physics relies on their exact arithmetic order.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
    Vec2() = default;
    Vec2(double x_, double y_) : x(x_), y(y_) {}

    double length() const { return std::sqrt(x * x + y * y); }
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return Vec2(a.x + b.x, a.y + b.y); }
inline Vec2 operator-(Vec2 b, Vec2 a) { return Vec2(b.x - a.x, b.y - a.y); }
inline Vec2 operator*(Vec2 a, double s) { return Vec2(a.x * s, a.y * s); }
inline Vec2 operator*(double s, Vec2 a) { return Vec2(a.x * s, a.y * s); }
inline Vec2 operator/(Vec2 a, double s) { return Vec2(a.x / s, a.y / s); }
inline Vec2 operator+(Vec2 a, double s) { return Vec2(a.x + s, a.y + s); }
inline Vec2 operator-(Vec2 a, double s) { return Vec2(a.x - s, a.y - s); }
inline Vec2 operator*(Vec2 a, int n) { return Vec2(double(n) * a.x, double(n) * a.y); }
inline Vec2& operator+=(Vec2& a, Vec2 b) { a = a + b; return a; }

#pragma once

// A point or size in window pixels (origin bottom-left, y up).
struct Vec2f {
    float x = 0.0f;
    float y = 0.0f;
    Vec2f() = default;
    Vec2f(float x_, float y_) : x(x_), y(y_) {}
};

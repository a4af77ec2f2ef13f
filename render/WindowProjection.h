#pragma once

#include <cstdint>

#include "render/Vec2f.h"
#include "render/WindowSize.h"

// Draws in window pixels from here on: the whole window as the viewport, an
// orthographic projection with the origin at the bottom-left, and no
// transformation of its own.
void projectOntoWindow(int32_t width, int32_t height);

// Starts a frame drawn in window pixels: projected onto the window, colour
// and depth cleared to black, texturing on (text and images need it; flat
// shapes turn it off for themselves).
void beginWindowFrame(WindowSize window);

// While it lives, draws into a rectangle of the window as into a window of
// its own: the rectangle is the viewport, with an orthographic projection of
// its `width` x `height` pixels from its lower-left corner, `depth` units
// deep either way. Ends projected onto the whole window again.
class RegionProjection {
public:
    RegionProjection(WindowSize window, Vec2f corner, float width, float height,
                     double depth = 1.0);
    ~RegionProjection();
    RegionProjection(const RegionProjection&) = delete;
    RegionProjection& operator=(const RegionProjection&) = delete;

private:
    WindowSize window;
};

// While it lives, what is drawn is moved by (x, y); move() moves it further.
class MovedOrigin {
public:
    MovedOrigin(float x, float y);
    ~MovedOrigin();
    MovedOrigin(const MovedOrigin&) = delete;
    MovedOrigin& operator=(const MovedOrigin&) = delete;

    void move(float x, float y);
};

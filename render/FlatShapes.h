#pragma once

#include "render/Vec2f.h"

// Flat shapes in the current projection and colour, for widgets and menus.
// Texturing on is the resting state of a 2-D frame (text and images need
// it): each shape turns it off for itself and back on.

// The colour of what is drawn next, shapes and text alike.
void setColour(float r, float g, float b, float alpha = 1.0f);

void fillRect(float x0, float y0, float x1, float y1);
// The rectangle's edges, `width` pixels wide.
void outlineRect(float x0, float y0, float x1, float y1, float width = 1.0f);
void drawLine(float x0, float y0, float x1, float y1);
void fillTriangle(Vec2f a, Vec2f b, Vec2f c);

// While it lives, what is drawn covers what is there whatever its depth.
class DepthTestOff {
public:
    DepthTestOff();
    ~DepthTestOff();
    DepthTestOff(const DepthTestOff&) = delete;
    DepthTestOff& operator=(const DepthTestOff&) = delete;
};

#pragma once

#include "sim/Goal.h"

// Draws a mission's goals in world units, under the current camera: unmet
// objectives red, met ones green, height marks in two shades of grey-blue.
void drawGoals(const Goals& goals);

// A circle of line segments in the current colour.
void drawCircle(float radius, float x, float y);
// The number of segments drawCircle uses for `radius`.
int circleSegments(float radius);

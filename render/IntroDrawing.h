#pragma once

#include "render/WindowSize.h"

class Exhaust;
class Mesh;
struct Texture;

// The intro's frame: the whole window in intro units (ten pixels) from its
// lower-left corner, cleared to black.
void beginIntroFrame(WindowSize window);
// The ship's model, scaled twenty times and turned nose first to the left, with its
// reference at (x, y) intro units, in white. Texturing stays on.
void drawIntroShip(const Mesh& ship, const Texture& texture, float x, float y);
// The exhaust's particles moved `x` intro units to the right.
void drawExhaustAt(const Exhaust& exhaust, WindowSize window, float x);

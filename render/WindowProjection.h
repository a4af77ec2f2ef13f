#pragma once

#include <cstdint>

// Draws in window pixels from here on: the whole window as the viewport, an
// orthographic projection with the origin at the bottom-left, and no
// transformation of its own.
void projectOntoWindow(int32_t width, int32_t height);

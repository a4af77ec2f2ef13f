#pragma once

#include <cstdint>

// The window things are drawn in, pixels.
struct WindowSize {
    int32_t width;
    int32_t height;
};

#include "tools/gen/Image.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t toByte(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

Image::Image(int width, int height)
    : width(width), height(height), pixels(size_t(width) * height * 4, 0) {}

void Image::set(int x, int y, Rgba c) {
    uint8_t* p = at(x, y);
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
    p[3] = toByte(c.a);
}

Rgba Image::get(int x, int y) const {
    const uint8_t* p = at(x, y);
    return {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, p[3] / 255.0f};
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A colour with straight (not premultiplied) alpha; channels in 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// An 8-bit RGBA picture, rows from the top, as stored in a PNG file.
struct Image {
    Image() = default;
    Image(int width, int height);

    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4 bytes, R G B A

    uint8_t* at(int x, int y) { return &pixels[(size_t(y) * width + x) * 4]; }
    const uint8_t* at(int x, int y) const { return &pixels[(size_t(y) * width + x) * 4]; }
    void set(int x, int y, Rgba c);
    Rgba get(int x, int y) const;
};

// Renders a picture by averaging samples x samples points per pixel of
// shade(x, y), which gives a straight-alpha colour at a point in pixel units
// (origin at the image's top-left corner, y down).
template <typename Shade>
Image supersample(int width, int height, int samples, Shade shade) {
    Image image(width, height);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    Rgba c = shade(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            if (a * 255.0f < 0.5f * samples * samples) continue;  // stays fully transparent
            image.set(px, py, {r / a, g / a, b / a, a / float(samples * samples)});
        }
    }
    return image;
}

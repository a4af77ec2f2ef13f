#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Support for tests that draw: a real SDL OpenGL window under the X display
// the tests run in, set up as the game's start-up does, and pixel read-back.

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

// A rectangle of window pixels, origin bottom-left, y up.
struct PixelRect {
    int x = 0, y = 0;
    int width = 0, height = 0;
};

// Pixels read back from the window: rows bottom-up, as GL numbers them.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // 4 bytes per pixel, row 0 at the bottom

    // The pixel at (x, y); a transparent black outside the image.
    Rgba pixel(int x, int y) const;
    // How many pixels of `rect` (cut to the image) satisfy `test`.
    int countPixels(PixelRect rect, const std::function<bool(Rgba)>& test) const;
    int countPixels(const std::function<bool(Rgba)>& test) const;
};

// Opens a width x height OpenGL window (once per process; a later call with
// another size changes the video mode and keeps the GL context, so loaded
// textures and fonts stay valid), sets app.width and app.height, sets
// the GL state of start-up and loads the two fonts into app.font and
// app.smallFont, as start-up does. Fails the process with a message if no
// window can be opened.
void openTestWindow(int width, int height);

// Viewport and orthographic projection over the whole window in pixels,
// identity model-view, as the menus draw.
void usePixelProjection();

// Clears colour and depth to (r, g, b, 0).
void clearWindow(float r = 0.0f, float g = 0.0f, float b = 0.0f);

// Reads the back buffer (what the next swap would show).
Image readPixels();

// Writes an opaque image file (BMP, which the game's image loader reads
// whatever the name) whose pixel (x, y), y from the top, is colourAt(x, y).
bool writeImage(const std::string& path, int width, int height,
                const std::function<Rgba(int x, int yFromTop)>& colourAt);

// Colour tests for countPixels.
bool isBlack(Rgba p);
bool isLit(Rgba p);  // any channel above 64

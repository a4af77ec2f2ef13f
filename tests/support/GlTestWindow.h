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
    // Writes the image upright as a PNG file; false on failure.
    bool savePng(const std::string& path) const;
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

// Saves the back buffer as NAME.png in the folder named by the environment
// variable ASTRELLO_SCREENSHOT_DIR, when it is set, so a person can look.
void saveScreenshotIfAsked(const std::string& name);

// Writes an RGBA image given top row first as a PNG file; false on failure.
bool writePng(const std::string& path, int width, int height,
              const std::vector<uint8_t>& rgbaTopDown);

// An image to write as a fixture file, addressed as files are: row 0 at the top.
struct Canvas {
    Canvas(int width, int height, Rgba fill = Rgba());
    void set(int x, int yFromTop, Rgba colour);
    void fillRect(int x, int yFromTop, int width, int height, Rgba colour);
    bool savePng(const std::string& path) const;

    int width;
    int height;
    std::vector<uint8_t> rgba;  // 4 bytes per pixel, row 0 at the top
};

// A path for `name` in a scratch folder of this test process, removed at exit.
std::string scratchPath(const std::string& name);

// Colour tests for countPixels.
bool isBlack(Rgba p);
bool isLit(Rgba p);  // any channel above 64

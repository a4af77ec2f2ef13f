#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Application.h"
#include "render/Font.h"
#include "render/Mesh.h"

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "test window: %s: %s\n", what, SDL_GetError());
    std::exit(2);
}

// The GL state that start-up sets before anything is drawn.
void setStartupGlState() {
    initMeshRendering();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace

Rgba Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return Rgba();
    const uint8_t* p = rgba.data() + (size_t(y) * width + x) * 4;
    return Rgba{p[0], p[1], p[2], p[3]};
}

int Image::countPixels(PixelRect rect, const std::function<bool(Rgba)>& test) const {
    int x0 = std::max(rect.x, 0), y0 = std::max(rect.y, 0);
    int x1 = std::min(rect.x + rect.width, width), y1 = std::min(rect.y + rect.height, height);
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += test(pixel(x, y)) ? 1 : 0;
    return n;
}

int Image::countPixels(const std::function<bool(Rgba)>& test) const {
    return countPixels(PixelRect{0, 0, width, height}, test);
}

void openTestWindow(int width, int height) {
    static bool sdlStarted = false;
    if (!sdlStarted) {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) fail("SDL_Init");
        sdlStarted = true;
    }
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || screen->w != width || screen->h != height) {
        if (!SDL_SetVideoMode(width, height, 32, SDL_HWSURFACE | SDL_OPENGL | SDL_HWACCEL))
            fail("SDL_SetVideoMode");
    }
    app.width = width;
    app.height = height;
    setStartupGlState();
    if (!app.font) app.font = new Font("images/font.png", -5, 2);
    if (!app.smallFont) app.smallFont = new Font("images/font_small.png", -9, -5);
}

void usePixelProjection() {
    glViewport(0, 0, app.width, app.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, app.width, 0.0, app.height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void clearWindow(float r, float g, float b) {
    glClearColor(r, g, b, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

Image readPixels() {
    Image image;
    image.width = app.width;
    image.height = app.height;
    image.rgba.assign(size_t(app.width) * app.height * 4, 0);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, app.width, app.height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    return image;
}

bool writeImage(const std::string& path, int width, int height,
                const std::function<Rgba(int x, int yFromTop)>& colourAt) {
    SDL_Surface* image =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    if (!image) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba c = colourAt(x, y);
            uint8_t* p = static_cast<uint8_t*>(image->pixels) + y * image->pitch + x * 3;
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    const bool saved = SDL_SaveBMP(image, path.c_str()) == 0;
    SDL_FreeSurface(image);
    return saved;
}

bool isBlack(Rgba p) { return p.r == 0 && p.g == 0 && p.b == 0; }

bool isLit(Rgba p) { return p.r > 64 || p.g > 64 || p.b > 64; }

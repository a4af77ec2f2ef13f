#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <unistd.h>
#include <zlib.h>

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

void putBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char((value >> shift) & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, uint32_t(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    putBigEndian(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
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

bool Image::savePng(const std::string& path) const {
    std::vector<uint8_t> topDown(rgba.size());
    size_t row = size_t(width) * 4;
    for (int y = 0; y < height; ++y)
        std::copy_n(rgba.data() + size_t(y) * row, row,
                    topDown.data() + size_t(height - 1 - y) * row);
    return writePng(path, width, height, topDown);
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

void saveScreenshotIfAsked(const std::string& name) {
    const char* folder = std::getenv("ASTRELLO_SCREENSHOT_DIR");
    if (folder && *folder) readPixels().savePng(std::string(folder) + "/" + name + ".png");
}

bool writePng(const std::string& path, int width, int height,
              const std::vector<uint8_t>& rgbaTopDown) {
    if (width < 1 || height < 1 || rgbaTopDown.size() != size_t(width) * height * 4) return false;
    std::string raw;
    size_t row = size_t(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw += char(0);  // no filter
        raw.append(reinterpret_cast<const char*>(rgbaTopDown.data()) + y * row, row);
    }
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 6) != Z_OK)
        return false;
    packed.resize(packedSize);
    std::string header;
    putBigEndian(header, uint32_t(width));
    putBigEndian(header, uint32_t(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
    std::string file("\x89PNG\r\n\x1a\n", 8);
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", packed);
    putChunk(file, "IEND", "");
    std::ofstream out(path, std::ios::binary);
    out.write(file.data(), std::streamsize(file.size()));
    return bool(out);
}

Canvas::Canvas(int width_, int height_, Rgba fill) : width(width_), height(height_) {
    for (int i = 0; i < width * height; ++i)
        rgba.insert(rgba.end(), {fill.r, fill.g, fill.b, fill.a});
}

void Canvas::set(int x, int yFromTop, Rgba colour) {
    if (x < 0 || yFromTop < 0 || x >= width || yFromTop >= height) return;
    uint8_t* p = rgba.data() + (size_t(yFromTop) * width + x) * 4;
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = colour.a;
}

void Canvas::fillRect(int x, int yFromTop, int w, int h, Rgba colour) {
    for (int y = yFromTop; y < yFromTop + h; ++y)
        for (int i = x; i < x + w; ++i) set(i, y, colour);
}

bool Canvas::savePng(const std::string& path) const { return writePng(path, width, height, rgba); }

std::string scratchPath(const std::string& name) {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / ("astrello-test-" + std::to_string(getpid()));
        fs::create_directories(p);
        return p;
    }();
    static const bool cleanupRegistered = [] {
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        });
        return true;
    }();
    (void)cleanupRegistered;
    return (folder / name).string();
}

bool isBlack(Rgba p) { return p.r == 0 && p.g == 0 && p.b == 0; }

bool isLit(Rgba p) { return p.r > 64 || p.g > 64 || p.b > 64; }

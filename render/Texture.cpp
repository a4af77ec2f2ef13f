#include "render/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "render/DataFile.h"

namespace {

constexpr int32_t maxUseCount = 2000000000;

uint32_t powerOfTwoAtLeast(uint32_t n) {
    uint32_t p = 1;
    while (p < n && p < 0x80000000u) p *= 2;
    return p;
}

// The image as 32-bit pixels with bytes R, G, B, A in memory; null on failure.
SDL_Surface* convertToRgba(SDL_Surface* image) {
    SDL_Surface* format = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x000000FF, 0x0000FF00,
                                               0x00FF0000, 0xFF000000);
    if (!format) return nullptr;
    SDL_Surface* rgba = SDL_ConvertSurface(image, format->format, SDL_SWSURFACE);
    SDL_FreeSurface(format);
    return rgba;
}

// Image rows run top-down; texture rows bottom-up.
void flipRows(SDL_Surface* surface) {
    std::vector<uint8_t> row(surface->pitch);
    uint8_t* pixels = static_cast<uint8_t*>(surface->pixels);
    for (int y = 0; y < surface->h / 2; ++y) {
        uint8_t* a = pixels + y * surface->pitch;
        uint8_t* b = pixels + (surface->h - 1 - y) * surface->pitch;
        std::memcpy(row.data(), a, surface->pitch);
        std::memcpy(a, b, surface->pitch);
        std::memcpy(b, row.data(), surface->pitch);
    }
}

// The image in the lower-left corner of a power-of-two buffer, opaque magenta keyed out.
std::vector<uint8_t> paddedTexels(SDL_Surface* rgba, uint32_t texWidth, uint32_t texHeight) {
    std::vector<uint8_t> texels(size_t(texWidth) * texHeight * 4, 0);
    const uint8_t* pixels = static_cast<const uint8_t*>(rgba->pixels);
    for (int y = 0; y < rgba->h; ++y) {
        const uint8_t* src = pixels + y * rgba->pitch;
        uint8_t* dst = texels.data() + size_t(y) * texWidth * 4;
        for (int x = 0; x < rgba->w; ++x, src += 4, dst += 4) {
            bool magenta = src[0] == 255 && src[1] == 0 && src[2] == 255 && src[3] == 255;
            if (!magenta) std::memcpy(dst, src, 4);
        }
    }
    return texels;
}

}  // namespace

Texture::Texture(const std::string& name, bool upload) : fileName(name) {
    if (!upload) return;
    std::string path = dataFile(fileName);
    SDL_Surface* image = IMG_Load(path.c_str());
    SDL_Surface* rgba = image ? convertToRgba(image) : nullptr;
    if (!rgba) {
        if (image) SDL_FreeSurface(image);
        std::printf("failed to load texture: %s\n", path.c_str());
        return;
    }
    width = uint32_t(rgba->w);
    height = uint32_t(rgba->h);
    texWidth = powerOfTwoAtLeast(width);
    texHeight = powerOfTwoAtLeast(height);
    SDL_LockSurface(rgba);
    flipRows(rgba);
    std::vector<uint8_t> texels = paddedTexels(rgba, texWidth, texHeight);
    SDL_UnlockSurface(rgba);
    glGenTextures(1, &glName);
    glBindTexture(GL_TEXTURE_2D, glName);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, GLint(texWidth), GLint(texHeight), GL_RGBA,
                      GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(image);
}

// Only at exit: the GL context is gone by then, so no texture names are freed.
TextureCache::~TextureCache() {
    for (auto& entry : entries) delete entry.second.texture;
}

Texture* TextureCache::get(const std::string& fileName) {
    auto found = entries.find(fileName);
    if (found == entries.end()) {
        Entry entry;
        entry.texture = new Texture(fileName, !headless);
        entry.useCount = 1;
        entries.emplace(fileName, entry);
        return entry.texture;
    }
    Entry& entry = found->second;
    if (entry.useCount < maxUseCount) entry.useCount += 1;
    return entry.texture;
}

TextureCache& textureCache() {
    static TextureCache cache;
    return cache;
}

Texture* getTexture(const std::string& fileName) { return textureCache().get(fileName); }

#include "render/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "core/GameFolders.h"
#include "render/ImageFile.h"

namespace {

uint32_t powerOfTwoAtLeast(uint32_t n) {
    uint32_t p = 1;
    while (p < n && p < 0x80000000u) p *= 2;
    return p;
}

// The image in the lower-left corner of a power-of-two buffer, rows bottom-up
// as textures run, opaque magenta keyed out.
std::vector<uint8_t> paddedTexels(const ImageFile& image, uint32_t texWidth, uint32_t texHeight) {
    std::vector<uint8_t> texels(size_t(texWidth) * texHeight * 4, 0);
    const size_t pitch = size_t(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* src = image.rgba.data() + size_t(image.height - 1 - y) * pitch;
        uint8_t* dst = texels.data() + size_t(y) * texWidth * 4;
        for (int x = 0; x < image.width; ++x, src += 4, dst += 4) {
            bool magenta = src[0] == 255 && src[1] == 0 && src[2] == 255 && src[3] == 255;
            if (!magenta) std::memcpy(dst, src, 4);
        }
    }
    return texels;
}

}  // namespace

Texture::Texture(const std::string& name, const std::string& path, bool upload) : fileName(name) {
    if (!upload) return;
    const ImageFile image(path);
    if (!image.ok()) {
        std::printf("failed to load texture: %s\n", path.c_str());
        return;
    }
    width = uint32_t(image.width);
    height = uint32_t(image.height);
    texWidth = powerOfTwoAtLeast(width);
    texHeight = powerOfTwoAtLeast(height);
    std::vector<uint8_t> texels = paddedTexels(image, texWidth, texHeight);
    glGenTextures(1, &glName);
    glBindTexture(GL_TEXTURE_2D, glName);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, GLint(texWidth), GLint(texHeight), GL_RGBA,
                      GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

TextureCache::TextureCache(std::string dataFolder_, bool headless_)
    : dataFolder(std::move(dataFolder_)), headless(headless_) {}

Texture* TextureCache::get(const std::string& fileName) {
    std::unique_ptr<Texture>& texture = textures[fileName];
    if (!texture) texture = std::make_unique<Texture>(fileName, path(fileName), !headless);
    return texture.get();
}

std::string TextureCache::path(const std::string& name) const { return fileIn(dataFolder, name); }

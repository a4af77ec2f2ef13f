#pragma once

#include <cstdint>
#include <map>
#include <string>

// One image loaded into an OpenGL texture. Only the cache creates textures.
struct Texture {
    // `fileName` as the game names it, read from `path`.
    Texture(const std::string& fileName, const std::string& path, bool upload = true);

    uint32_t width = 0;  // image pixels (0 if loading failed)
    uint32_t height = 0;
    uint32_t texWidth = 1;  // smallest power of two >= width (1 when the load failed)
    uint32_t texHeight = 1;
    uint32_t glName = 0;  // 0 if loading failed (or in headless mode)
    std::string fileName;
};

// Images by file name, loaded once and kept until exit. Owns every texture.
struct TextureCache {
    TextureCache() = default;
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    struct Entry {
        Texture* texture = nullptr;
        int32_t useCount = 0;  // saturates at 2000000000
    };
    std::map<std::string, Entry> entries;
    // Without a GL context (tests of layout without a window) textures are
    // recorded without reading or uploading anything.
    bool headless = false;
    // Where names are found ("" is the working directory): the game's data
    // folder, given once before anything is drawn.
    std::string dataFolder;

    Texture* get(const std::string& fileName);
    // The path of the data file `name`; an absolute name stays as it is.
    std::string path(const std::string& name) const;
};

// The process's one cache.
TextureCache& textureCache();
// The texture of `fileName` from the process's one cache, which keeps every
// texture until the process ends; never null.
Texture* getTexture(const std::string& fileName);

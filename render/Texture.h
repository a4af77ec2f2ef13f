#pragma once

#include <cstdint>
#include <map>
#include <memory>
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

// Images by file name, each loaded on first use and kept while the cache
// lives, which owns them. Its owner hands it to whatever draws images.
class TextureCache {
public:
    // Names are found in `dataFolder` ("" is the working directory). A
    // headless cache (tests of layout without a GL context) records textures
    // without reading or uploading anything.
    explicit TextureCache(std::string dataFolder = "", bool headless = false);
    // Frees no texture names: the window, and its GL context, close first.
    ~TextureCache() = default;
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // The texture of `fileName`; never null (a failed load has no pixels).
    Texture* get(const std::string& fileName);
    // The path of the data file `name`; an absolute name stays as it is.
    std::string path(const std::string& name) const;

private:
    std::map<std::string, std::unique_ptr<Texture>> textures;
    std::string dataFolder;
    bool headless;
};

#include "core/PngImage.h"

// The decoder is compiled into this file alone, PNG only, from memory: it
// reads no file itself and decodes nothing else.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS largestTextureSide
#include <stb/stb_image.h>

std::string pngProblem(const std::string& bytes) {
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int size = int(bytes.size());
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return "is not a PNG image";
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_memory(data, size, &width, &height, &channels) &&
        (width > largestTextureSide || height > largestTextureSide))
        return "is too large for a texture";
    stbi_uc* pixels = stbi_load_from_memory(data, size, &width, &height, &channels, 4);
    if (!pixels) {
        const std::string why = stbi_failure_reason();
        return "does not decode: " + (why == "outofdata" ? "the file ends too soon" : why);
    }
    stbi_image_free(pixels);
    return "";
}

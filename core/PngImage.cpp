#include "core/PngImage.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS largestTextureSide
#include <stb/stb_image.h>

namespace {

const stbi_uc* data(const std::string& bytes) {
    return reinterpret_cast<const stbi_uc*>(bytes.data());
}

}  // namespace

DecodedImage decodeImage(const std::string& bytes) {
    DecodedImage image;
    const int size = int(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_memory(data(bytes), size, &width, &height, &channels) &&
        (width > largestTextureSide || height > largestTextureSide)) {
        image.error = "is too large for a texture";
        return image;
    }
    stbi_uc* pixels = stbi_load_from_memory(data(bytes), size, &width, &height, &channels, 4);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        const std::string why = !reason                           ? "unreadable"
                                : std::string(reason) == "outofdata" ? "the file ends too soon"
                                                                     : reason;
        image.error = "does not decode: " + why;
        return image;
    }
    image.rgba.assign(pixels, pixels + size_t(width) * size_t(height) * 4);
    stbi_image_free(pixels);
    image.width = width;
    image.height = height;
    return image;
}

std::string pngProblem(const std::string& bytes) {
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return "is not a PNG image";
    return decodeImage(bytes).error;
}

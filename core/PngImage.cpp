#include "core/PngImage.h"

#include <png.h>

#include <fstream>
#include <iterator>
#include <system_error>
#include <filesystem>
#include <vector>

namespace {

const std::uintmax_t largestFile = std::uintmax_t(64) << 20;  // bytes

// The file's bytes, or a problem.
std::string readBytes(const std::string& path, std::string& bytes) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return "cannot be opened";
    if (!std::filesystem::is_regular_file(status)) return "is not a file";
    if (std::filesystem::file_size(path, error) > largestFile) return "is larger than 64 MB";
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot be opened";
    bytes.assign(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) return "cannot be read";
    return "";
}

}  // namespace

std::string pngProblem(const std::string& path) {
    std::string bytes;
    const std::string unread = readBytes(path, bytes);
    if (!unread.empty()) return unread;
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return "is not a PNG image";
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return std::string("does not decode: ") + image.message;
    if (image.width > unsigned(largestTextureSide) || image.height > unsigned(largestTextureSide)) {
        png_image_free(&image);
        return "is too large for a texture";
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return std::string("does not decode: ") + image.message;
    return "";
}

#include "render/ImageFile.h"

#include "core/FileAccess.h"

namespace {

// More than the largest texture's pixels could take up in any file.
constexpr size_t largestImageFile = size_t(largestTextureSide) * largestTextureSide * 4 + (1 << 20);

}  // namespace

ImageFile::ImageFile(const std::string& path) {
    std::string bytes;
    const std::string problem = readNamedFile(path, largestImageFile, bytes);
    if (!problem.empty()) {
        error = problem;
        return;
    }
    static_cast<DecodedImage&>(*this) = decodeImage(bytes);
}

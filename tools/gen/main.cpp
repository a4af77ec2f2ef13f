// astrello-gen: writes every image and model the game reads.
//   astrello-gen OUTPUT_DIR            the data files, under OUTPUT_DIR/images and
//                                      OUTPUT_DIR/models, and the desktop icons
//                                      under OUTPUT_DIR/icons
//   astrello-gen --preview OUTPUT_DIR  pictures for checking them by eye
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/gen/Outputs.h"
#include "tools/gen/Png.h"
#include "tools/gen/Preview.h"

namespace {

bool writeAll(const std::filesystem::path& root) {
    std::error_code error;
    for (const char* folder : {"images", "models", "icons"}) {
        std::filesystem::create_directories(root / folder, error);
        if (error) {
            std::printf("ERROR: cannot create %s\n", (root / folder).string().c_str());
            return false;
        }
    }
    for (const ImageOutput& output : imageOutputs()) {
        Image image = output.make();
        if (image.width == 0) return false;
        if (!writeFile((root / output.path).string(), encodePng(image))) return false;
    }
    for (const ModelOutput& output : modelOutputs()) {
        std::string text = objText(output.make(), "made by astrello-gen");
        if (!writeFile((root / output.path).string(), {text.begin(), text.end()})) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
        return writePreviews(argv[2]) ? 0 : 1;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::printf("usage: astrello-gen OUTPUT_DIR | astrello-gen --preview OUTPUT_DIR\n");
        return 2;
    }
    return writeAll(argv[1]) ? 0 : 1;
}

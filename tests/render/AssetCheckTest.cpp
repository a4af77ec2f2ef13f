// The asset check (`astrello-run check-assets`, run by run-tests on the real
// tree) must fail, naming the file, where one is missing; the end-to-end table
// starts the game itself without each data folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "render/AssetCheck.h"

namespace fs = std::filesystem;

TEST(AssetCheck, TheCommandFailsWhenAnAssetIsMissingAndNamesIt) {
    const fs::path empty = fs::temp_directory_path() / ("no-data-" + std::to_string(getpid()));
    fs::create_directories(empty);
    std::ostringstream out;
    const int code = checkAssetsCommand(empty.string(), out);
    fs::remove_all(empty);
    EXPECT_EQ(code, 1);
    EXPECT_NE(out.str().find("ERROR: images/font.png"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("ERROR: models/ship_test.obj"), std::string::npos) << out.str();
}

// The game reads its images with the decoder that checks the player's
// mission files, so the check says why an image cannot become a texture.
TEST(AssetCheck, AnImageThatCannotBecomeATextureIsNamedWithTheReason) {
    const fs::path folder = fs::temp_directory_path() / ("bad-data-" + std::to_string(getpid()));
    fs::create_directories(folder / "images" / "folder.png");
    std::ifstream real("images/gold2.png", std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(real)), std::istreambuf_iterator<char>());
    ASSERT_GT(png.size(), 200u);
    std::ofstream(folder / "images" / "cut.png", std::ios::binary) << png.substr(0, 200);
    std::ofstream(folder / "images" / "sheet.png", std::ios::binary) << png;  // 512 x 512
    const struct {
        Asset asset;
        std::string problem;
    } cases[] = {
        {{Asset::Image, "images/none.png"}, "cannot be opened"},
        {{Asset::Image, "images/folder.png"}, "is not a file"},
        {{Asset::Image, "images/cut.png"}, "does not decode: the file ends too soon"},
        {{Asset::FontSheet, "images/sheet.png"}, ""},
        {{Asset::Image, "images/sheet.png"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(assetProblem(c.asset, folder.string()), c.problem) << c.asset.path;
    fs::remove_all(folder);
}

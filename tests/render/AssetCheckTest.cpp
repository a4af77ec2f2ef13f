// The asset check (`astrello-run check-assets`, run by run-tests on the real
// tree) must fail, naming the file, where one is missing; the end-to-end table
// starts the game itself without each data folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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

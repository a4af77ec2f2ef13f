// The asset check (`astrello-run check-assets`, run by run-tests) must know
// every data file the game loads and fail when one is missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "render/AssetCheck.h"

namespace fs = std::filesystem;

TEST(AssetCheck, EveryDataFileNamedInTheGamesSourcesIsChecked) {
    std::set<std::string> listed;
    for (const Asset& asset : gameAssets()) listed.insert(asset.path);
    int named = 0;
    for (const char* folder : {"app", "sim", "missions", "screens", "render"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ASTRELLO_SOURCE_DIR) / folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text(std::istreambuf_iterator<char>(in), {});
            for (const char* prefix : {"\"images/", "\"models/"}) {
                for (size_t at = text.find(prefix); at != std::string::npos;
                     at = text.find(prefix, at + 1)) {
                    const std::string name = text.substr(at + 1, text.find('"', at + 1) - at - 1);
                    const std::string type =
                        name.substr(name.size() - std::min<size_t>(4, name.size()));
                    if (type != ".png" && type != ".obj") continue;
                    ++named;
                    EXPECT_TRUE(listed.count(name)) << name << " in " << entry.path();
                }
            }
        }
    }
    EXPECT_GT(named, 10) << "no data file names found in the sources";
}

TEST(AssetCheck, TheCommandFailsWhenAnAssetIsMissingAndNamesIt) {
    const fs::path previous = fs::current_path(),
                   empty = previous / ("no-data-" + std::to_string(getpid()));
    fs::create_directories(empty);
    fs::current_path(empty);
    std::ostringstream out, err;
    const int code = checkAssetsCommand({}, out, err);
    fs::current_path(previous);
    fs::remove_all(empty);
    EXPECT_EQ(code, 1);
    EXPECT_NE(out.str().find("ERROR: images/font.png"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("ERROR: models/ship_test.obj"), std::string::npos) << out.str();
}

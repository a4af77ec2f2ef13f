// The asset check (`astrello-run check-assets`, run by run-tests) must know
// every data file the game loads; the end-to-end table starts the game without
// each folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

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

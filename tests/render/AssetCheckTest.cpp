#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "render/AssetCheck.h"
#include "tests/support/GlTestWindow.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of damaged data beside the test's working directory.
class DamagedData : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::current_path() / ("asset-check-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string problemOf(Asset::Kind kind, const std::string& name) {
        fs::path previous = fs::current_path();
        fs::current_path(folder);
        std::string problem = assetProblem({kind, name});
        fs::current_path(previous);
        return problem;
    }

    fs::path folder;
};

}  // namespace

TEST(AssetCheck, EveryDataFileNamedInTheGamesSourcesIsChecked) {
    std::set<std::string> listed;
    for (const Asset& asset : gameAssets()) listed.insert(asset.path);
    int named = 0;
    for (const char* folder : {"app", "sim", "missions", "screens", "render"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ASTRELLO_SOURCE_DIR) / folder)) {
            std::string text = readFile(entry.path());
            for (const char* prefix : {"\"images/", "\"models/"}) {
                for (size_t at = text.find(prefix); at != std::string::npos;
                     at = text.find(prefix, at + 1)) {
                    std::string name = text.substr(at + 1, text.find('"', at + 1) - at - 1);
                    if (name.size() < 4 || (name.substr(name.size() - 4) != ".png" &&
                                            name.substr(name.size() - 4) != ".obj"))
                        continue;
                    ++named;
                    EXPECT_TRUE(listed.count(name)) << name << " in " << entry.path();
                }
            }
        }
    }
    EXPECT_GT(named, 0) << "no data file names found in the sources";
}

TEST_F(DamagedData, UndecodableImagesOddFontSheetsAndModelsWithStrayIndicesAreReported) {
    std::string png = readFile(fs::path(ASTRELLO_SOURCE_DIR) / "images/little_gold.png");
    ASSERT_GT(png.size(), 200u);
    writeFile(folder / "images/cut.png", png.substr(0, png.size() / 2));
    fs::create_directories(folder / "images");
    ASSERT_TRUE(Canvas(250, 256).savePng((folder / "images/odd.png").string()));
    ASSERT_TRUE(Canvas(256, 128).savePng((folder / "images/grid.png").string()));
    const std::string corners = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\n";
    const struct {
        Asset::Kind kind;
        const char* name;
        std::string bytes;  // written unless empty
        bool sound;
    } cases[] = {
        {Asset::Image, "images/none.png", "", false},
        {Asset::Image, "images/cut.png", "", false},
        {Asset::Image, "images/odd.png", "", true},
        {Asset::FontSheet, "images/odd.png", "", false},  // cells must split 16 x 16
        {Asset::FontSheet, "images/grid.png", "", true},
        {Asset::Model, "models/sound.obj", corners + "f 1/1 2/2 3/3\n", true},
        {Asset::Model, "models/far_corner.obj", corners + "f 1/1 2/2 4/3\n", false},
        {Asset::Model, "models/no_skin.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", false},
        {Asset::Model, "models/far_normal.obj", corners + "vn 0 0 1\nf 1/1/1 2/2/1 3/3/2\n", false},
        {Asset::Model, "models/none.obj", "", false},
    };
    for (const auto& c : cases) {
        if (!c.bytes.empty()) writeFile(folder / c.name, c.bytes);
        EXPECT_EQ(problemOf(c.kind, c.name).empty(), c.sound) << c.name << " kind " << c.kind;
    }
}

TEST(AssetCheck, TheCommandFailsWhenAnAssetIsMissingAndNamesIt) {
    fs::path previous = fs::current_path();
    fs::path empty = previous / ("no-data-" + std::to_string(getpid()));
    fs::create_directories(empty);
    fs::current_path(empty);
    std::ostringstream out, err;
    int code = checkAssetsCommand({}, out, err);
    fs::current_path(previous);
    fs::remove_all(empty);
    EXPECT_EQ(code, 1);
    EXPECT_NE(out.str().find("ERROR: images/font.png"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("ERROR: models/ship_test.obj"), std::string::npos) << out.str();
    std::ostringstream ignored;
    EXPECT_EQ(checkAssetsCommand({"extra"}, ignored, ignored), 2);
}

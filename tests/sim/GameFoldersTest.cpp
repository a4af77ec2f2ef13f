// Which folders the game uses, installed or from the source tree, and what
// happens when the player's folders cannot be made.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "core/GameFolders.h"

namespace fs = std::filesystem;

namespace {

class Folders : public ::testing::Test {
protected:
    fs::path root;
    void SetUp() override {
        char pattern[] = "/tmp/astrello-folders-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root / "usr/bin");
        fs::create_directories(root / "usr/share/astrello");
        fs::create_directories(root / "build");
    }
    void TearDown() override { fs::remove_all(root); }
    std::string at(const char* name) const { return (root / name).string(); }
};

TEST_F(Folders, ChosenByWhereTheProgramIsAndTheEnvironment) {
    const std::string home = at("home"), bin = at("usr/bin"), build = at("build"),
                      installed = at("usr/share/astrello"), config = home + "/.config/astrello",
                      save = home + "/.local/share/astrello";
    const struct {
        const char* what;
        FolderEnvironment env;
        FolderOverrides overrides;
        std::string data, config, save;
    } cases[] = {
        // clang-format off
        {"source tree", {build, home, "", ""}, {}, "", "", ""},
        {"installed, XDG defaults", {bin, home, "", ""}, {}, installed, config, save},
        {"installed, XDG folders set", {bin, home, "/x/config", "/x/data"}, {}, installed,
         "/x/config/astrello", "/x/data/astrello"},
        {"relative XDG folders are ignored", {bin, home, "x/config", "x/data"}, {}, installed, config, save},
        {"overrides win, from the source tree too", {build, home, "", ""}, {"/d/", "/s"}, "/d/", "/s", "/s"},
        // clang-format on
    };
    for (const auto& c : cases) {
        GameFolders f = chooseGameFolders(c.env, c.overrides);
        EXPECT_EQ(f.data, c.data) << c.what;
        EXPECT_EQ(f.config, c.config) << c.what;
        EXPECT_EQ(f.save, c.save) << c.what;
        EXPECT_FALSE(f.configUnknown || f.saveUnknown) << c.what;
    }
    GameFolders noHome = chooseGameFolders({bin, "", "", "/x/data"}, {});
    EXPECT_EQ(noHome.dataFile("images/font.png"), installed + "/images/font.png");
    EXPECT_EQ(noHome.saveFile("save.dat"), "/x/data/astrello/save.dat");
    EXPECT_EQ(noHome.configFile("options.dat"), "") << "no home: options are neither read nor written";
    EXPECT_EQ(noHome.dataFile("/abs/name.obj"), "/abs/name.obj");
    EXPECT_EQ(chooseGameFolders({build, "", "", ""}, {}).saveFile("save.dat"), "save.dat");
}

TEST_F(Folders, FirstStartCreatesPrivateFoldersAndAFolderThatCannotBeMadeStopsSaving) {
    GameFolders folders = chooseGameFolders({at("usr/bin"), at("home"), "", ""}, {});
    testing::internal::CaptureStdout();
    prepareGameFolders(folders, std::cout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(folders.canSave);
    for (const char* folder : {"home/.config/astrello", "home/.local/share/astrello"}) {
        struct stat info;
        ASSERT_EQ(stat(at(folder).c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
    std::ofstream(at("file")) << "not a folder";
    folders = chooseGameFolders({at("usr/bin"), at("home"), "", ""}, {"", at("file/saves")});
    testing::internal::CaptureStdout();
    prepareGameFolders(folders, std::cout);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(folders.canSave);
    EXPECT_EQ(printed.rfind("ERROR: Cannot create folder " + at("file/saves"), 0), 0u) << printed;
    EXPECT_NE(printed.find("will not be saved."), std::string::npos) << printed;
}

}  // namespace

// Which folders the game uses, installed or from the source tree, and what
// happens when the player's folders cannot be made.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/GameFolders.h"
#include <iostream>

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
    struct Case {
        const char* what;
        FolderEnvironment env;
        FolderOverrides overrides;
        std::string data, config, save;
    };
    const std::string home = at("home"), installed = at("usr/share/astrello");
    const Case cases[] = {
        {"source tree", {at("build"), home, "", ""}, {}, "", "", ""},
        {"installed, XDG defaults",
         {at("usr/bin"), home, "", ""},
         {},
         installed,
         home + "/.config/astrello",
         home + "/.local/share/astrello"},
        {"installed, XDG folders set",
         {at("usr/bin"), home, "/x/config", "/x/data"},
         {},
         installed,
         "/x/config/astrello",
         "/x/data/astrello"},
        {"installed, relative XDG folders are ignored",
         {at("usr/bin"), home, "x/config", "x/data"},
         {},
         installed,
         home + "/.config/astrello",
         home + "/.local/share/astrello"},
        {"overrides win, from the source tree too",
         {at("build"), home, "", ""},
         {"/d/", "/s"},
         "/d/",
         "/s",
         "/s"},
    };
    for (const Case& c : cases) {
        GameFolders f = chooseGameFolders(c.env, c.overrides);
        EXPECT_EQ(f.data, c.data) << c.what;
        EXPECT_EQ(f.config, c.config) << c.what;
        EXPECT_EQ(f.save, c.save) << c.what;
        EXPECT_FALSE(f.configUnknown || f.saveUnknown) << c.what;
    }
}

TEST_F(Folders, FilesAreFoundInTheirFolderAndNowhereWithoutAHome) {
    GameFolders folders;
    folders = chooseGameFolders({at("usr/bin"), "", "", "/x/data"}, {});
    EXPECT_EQ(folders.dataFile("images/font.png"), at("usr/share/astrello/images/font.png"));
    EXPECT_EQ(folders.saveFile("save.dat"), "/x/data/astrello/save.dat");
    EXPECT_EQ(folders.configFile("options.dat"), "") << "no home: options are neither read nor written";
    EXPECT_EQ(folders.dataFile("/abs/name.obj"), "/abs/name.obj");
    folders = chooseGameFolders({at("build"), "", "", ""}, {});
    EXPECT_EQ(folders.saveFile("save.dat"), "save.dat") << "source tree: the working directory";
}

TEST_F(Folders, FirstStartCreatesPrivateFoldersAndAFolderThatCannotBeMadeStopsSaving) {
    GameFolders folders;
    folders = chooseGameFolders({at("usr/bin"), at("home"), "", ""}, {});
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
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(folders.canSave);
    EXPECT_EQ(printed.rfind("ERROR: Cannot create folder " + at("file/saves"), 0), 0u) << printed;
    EXPECT_NE(printed.find("will not be saved."), std::string::npos) << printed;
}

}  // namespace

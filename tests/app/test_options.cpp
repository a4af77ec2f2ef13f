#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/Application.h"
#include "app/Options.h"

namespace {

// Each test works on its own file in a fresh folder, starting from the defaults.
class OptionsFile : public ::testing::Test {
protected:
    std::string dir;
    std::string file;

    void SetUp() override {
        char pattern[] = "/tmp/astrello-options-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        file = dir + "/options.dat";
        videoSettings = VideoSettings();
    }
    void TearDown() override {
        std::remove(file.c_str());
        std::remove(dir.c_str());
    }
    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string read() {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Loads and returns what was printed.
    std::string load() {
        testing::internal::CaptureStdout();
        loadOptions(file);
        return testing::internal::GetCapturedStdout();
    }
    static void expectSettings(int width, int height, bool fullscreen) {
        EXPECT_EQ(videoSettings.width, width);
        EXPECT_EQ(videoSettings.height, height);
        EXPECT_EQ(videoSettings.fullscreen, fullscreen);
    }
};

}  // namespace

TEST_F(OptionsFile, AMissingFileIsReportedAndLeavesTheDefaults) {
    app.width = 1;
    EXPECT_EQ(load(),
              "Loading options.\n"
              "ERROR: Failed to open file for loading options. Will use defaults.\n");
    expectSettings(1280, 720, false);
    EXPECT_EQ(app.width, 1280);
    EXPECT_EQ(app.height, 720);
    EXPECT_FALSE(app.fullscreen);
}

TEST_F(OptionsFile, AStoredLineSetsTheWindowForTheNextStart) {
    write("1440 900 1\n");
    EXPECT_EQ(load(), "Loading options.\n");
    expectSettings(1440, 900, true);
    EXPECT_EQ(app.width, 1440);
    EXPECT_EQ(app.height, 900);
    EXPECT_TRUE(app.fullscreen);
}

TEST_F(OptionsFile, AnyWhitespaceSeparatesTheValuesAndAnyNonZeroFlagMeansFullScreen) {
    write("\n  1024\t\r\n768   -7");
    load();
    expectSettings(1024, 768, true);
}

TEST_F(OptionsFile, ValuesThatCannotBeReadKeepThePreviousOnes) {
    write("abc def ghi\n");
    load();
    expectSettings(1280, 720, false);

    write("800");
    load();
    expectSettings(800, 720, false);

    videoSettings.fullscreen = true;
    write("1024 x 0 trailing words\n");
    load();
    expectSettings(1024, 720, false);

    write("12three 99999999999 1\n");
    load();
    expectSettings(1024, 720, true);
}

TEST_F(OptionsFile, OddValuesAreKeptAsReadForTheOptionsScreen) {
    write("99999 -5 0\n");
    load();
    expectSettings(99999, -5, false);
    EXPECT_FALSE(usableWindowSize(videoSettings.width, videoSettings.height));
}

TEST_F(OptionsFile, SavingWritesExactlyOneLine) {
    videoSettings = {1440, 900, true};
    testing::internal::CaptureStdout();
    saveOptions(file);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Saving options.\n");
    EXPECT_EQ(read(), "1440 900 1\n");

    videoSettings = {1024, 768, false};
    saveOptions(file);
    EXPECT_EQ(read(), "1024 768 0\n");
}

TEST_F(OptionsFile, WhatIsSavedLoadsBackUnchanged) {
    videoSettings = {-3, 0, true};
    saveOptions(file);
    videoSettings = VideoSettings();
    load();
    expectSettings(-3, 0, true);
}

TEST_F(OptionsFile, AFileThatCannotBeCreatedIsReported) {
    testing::internal::CaptureStdout();
    saveOptions(dir + "/no-such-folder/options.dat");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Saving options.\nERROR: Failed to open file for saving options.\n");
}

TEST(Resolutions, CyclingWrapsFromTheLargestToTheSmallest) {
    Resolution next = nextResolution(1920, 1200);
    EXPECT_EQ(next.width, 1024);
    EXPECT_EQ(next.height, 768);
    next = nextResolution(1280, 720);
    EXPECT_EQ(next.width, 1280);
    EXPECT_EQ(next.height, 800);
}

TEST(Resolutions, ASizeNotInTheTableGoesToTheFirstEntry) {
    const Resolution odd[] = {{800, 600}, {720, 1280}, {0, 0}, {-1024, 768}, {1024, 769}};
    for (Resolution r : odd) {
        Resolution next = nextResolution(r.width, r.height);
        EXPECT_EQ(next.width, 1024) << r.width << "x" << r.height;
        EXPECT_EQ(next.height, 768) << r.width << "x" << r.height;
    }
}

TEST(WindowSize, OnlyPositiveSidesOfAtMost16384PixelsAreAskedFor) {
    EXPECT_TRUE(usableWindowSize(1, 1));
    EXPECT_TRUE(usableWindowSize(16384, 16384));
    EXPECT_FALSE(usableWindowSize(0, 720));
    EXPECT_FALSE(usableWindowSize(1280, -720));
    EXPECT_FALSE(usableWindowSize(16385, 720));
    EXPECT_FALSE(usableWindowSize(1280, 99999));
}

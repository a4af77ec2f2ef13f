// Reading "options.dat": as far as its values can be read, or the defaults.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/Application.h"
#include "app/Options.h"

namespace {
std::string settings() {
    return std::to_string(videoSettings.width) + " " + std::to_string(videoSettings.height) + " " +
           std::to_string(videoSettings.fullscreen);
}
}  // namespace

TEST(Options, AMissingFileIsReportedAndLeavesTheDefaults) {
    videoSettings = VideoSettings();
    app.width = 1;
    testing::internal::CaptureStdout();
    loadOptions("no-such-options.dat");
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        "Loading options.\nERROR: Failed to open file for loading options. Will use defaults.\n");
    EXPECT_EQ(settings(), "1280 720 0");
    EXPECT_EQ(app.width, 1280);
    EXPECT_EQ(app.height, 720);
}

// Loaded one after the other: a value that cannot be read keeps the previous one.
TEST(Options, ValuesAreReadAsFarAsTheyCanBeAndOddOnesAreKeptAsRead) {
    const struct {
        const char *text, *settings;
    } cases[] = {
        {"1440 900 1\n", "1440 900 1"},
        {"\n  1024\t\r\n768   -7", "1024 768 1"},  // any whitespace; any non-zero flag
        {"800", "800 768 1"},
        {"1024 x 0 trailing words\n", "1024 768 0"},
        {"12three 99999999999 1\n", "1024 768 1"},
        {"99999 -5 0\n", "99999 -5 0"},  // the options screen shows them as read
    };
    videoSettings = VideoSettings();
    for (const auto& c : cases) {
        std::ofstream("options-test.dat", std::ios::binary) << c.text;
        testing::internal::CaptureStdout();
        loadOptions("options-test.dat");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading options.\n");
        EXPECT_EQ(settings(), c.settings) << c.text;
    }
    EXPECT_EQ(app.width, 99999);
    std::remove("options-test.dat");
}

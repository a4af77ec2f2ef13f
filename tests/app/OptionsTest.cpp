#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
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
    // Writes `text` as the file, loads it and returns what was printed.
    std::string load(const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
        testing::internal::CaptureStdout();
        loadOptions(file);
        return testing::internal::GetCapturedStdout();
    }
    static std::string settings() {
        return std::to_string(videoSettings.width) + " " + std::to_string(videoSettings.height) +
               " " + std::to_string(videoSettings.fullscreen) +
               (videoSettings.showPreview ? "" : " hidden");
    }
    std::string saved() const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

}  // namespace

TEST_F(OptionsFile, AMissingFileIsReportedAndLeavesTheDefaults) {
    app.width = 1;
    testing::internal::CaptureStdout();
    loadOptions(file);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading options.\n"
              "ERROR: Failed to open file for loading options. Will use defaults.\n");
    EXPECT_EQ(settings(), "1280 720 0");
    EXPECT_EQ(app.width, 1280);
    EXPECT_EQ(app.height, 720);
}

// Loaded one after the other: a value that cannot be read keeps the previous one.
TEST_F(OptionsFile, ValuesAreReadAsFarAsTheyCanBeAndOddOnesAreKeptAsRead) {
    const struct {
        const char* text;
        const char* settings;
    } cases[] = {
        {"1440 900 1 0\n", "1440 900 1 hidden"},  // a fourth number 0 hides the flight preview
        {"1440 900 1 7\n", "1440 900 1"},
        {"1440 900 1\n", "1440 900 1"},
        {"\n  1024\t\r\n768   -7", "1024 768 1"},  // any whitespace; any non-zero flag
        {"abc def ghi\n", "1024 768 1"},
        {"800", "800 768 1"},
        {"1024 x 0 trailing words\n", "1024 768 0"},
        {"12three 99999999999 1\n", "1024 768 1"},
        {"99999 -5 0\n", "99999 -5 0"},  // the options screen shows them as read
    };
    for (const auto& c : cases) {
        load(c.text);
        EXPECT_EQ(settings(), c.settings) << c.text;
    }
}

TEST_F(OptionsFile, SavingWritesOneLineOrReportsAFileThatCannotBeCreated) {
    videoSettings = {1440, 900, true};
    testing::internal::CaptureStdout();
    saveOptions(file);
    saveOptions(dir + "/no-such-folder/options.dat");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Saving options.\nSaving options.\nERROR: Failed to open file for saving options.\n");
    EXPECT_EQ(saved(), "1440 900 1\n");
    videoSettings.showPreview = false;  // written only when hidden
    testing::internal::CaptureStdout();
    saveOptions(file);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(saved(), "1440 900 1 0\n");
}

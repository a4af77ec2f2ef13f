// A missing file and the stored size at start are met in the end-to-end table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Options.h"
#include "tests/support/FileBytes.h"

namespace {

std::string shown(const VideoSettings& s) {
    return std::to_string(s.width) + " " + std::to_string(s.height) + " " +
           std::to_string(s.fullscreen) + (s.showPreview ? "" : " hidden");
}

}  // namespace

// Loaded one after the other: a value that cannot be read keeps the previous one.
TEST(OptionsFile, ValuesAreReadAsFarAsTheyCanBeAndOddOnesAreKeptAsRead) {
    char folder[] = "/tmp/astrello-options-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/options.dat";
    const struct {
        const char* text;
        const char* settings;
    } cases[] = {
        {"1440 900 1 0\n", "1440 900 1 hidden"},  // a fourth number 0 hides the flight preview
        {"1440 900 1 7\n", "1440 900 1"},
        {"\n  1024\t\r\n768   -7", "1024 768 1"},  // any whitespace; any non-zero flag
        {"800", "800 768 1"},
        {"1024 x 0 trailing words\n", "1024 768 0"},
        {"12three 99999999999 1\n", "1024 768 1"},
        {"99999 -5 0\n", "99999 -5 0"},  // the options screen shows them as read
    };
    StoredOptions options{file, VideoSettings()};
    testing::internal::CaptureStdout();
    for (const auto& c : cases) {
        writeFile(file, c.text);
        options.load();
        EXPECT_EQ(shown(options.settings), c.settings) << c.text;
    }
    options.settings = {1440, 900, true};
    options.save();
    EXPECT_EQ(readFile(file), "1440 900 1\n");
    options.settings.showPreview = false;  // written only when hidden
    options.save();
    EXPECT_EQ(readFile(file), "1440 900 1 0\n");
    options.file = std::string(folder) + "/no-such-folder/options.dat";
    options.save();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Saving options.\nERROR: Failed to save options: "),
              std::string::npos) << printed;
    std::filesystem::remove_all(folder);
}

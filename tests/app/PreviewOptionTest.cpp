#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/OptionsFile.h"

// The preview's choice rides as an optional fourth number: a file of three
// loads as before (shown), 0 hides it, and only a hidden preview is written.
TEST(PreviewOption, AnOptionalFourthNumberHidesThePreviewAndIsWrittenOnlyThen) {
    const std::string file = testing::TempDir() + "preview-options.dat";
    const struct {
        const char* text;
        bool shown;
        const char* saved;
    } cases[] = {
        {"1280 720 0\n", true, "1280 720 0\n"},
        {"1280 720 0 0\n", false, "1280 720 0 0\n"},
        {"1024 768 1 1\n", true, "1024 768 1\n"},
        {"1024 768 1 x\n", true, "1024 768 1\n"},
        {"1024 768\n", true, "1024 768 0\n"},
    };
    for (const auto& c : cases) {
        std::ofstream(file, std::ios::binary) << c.text;
        VideoSettings settings;
        std::ostringstream log;
        readOptionsFile(file, settings, log);
        EXPECT_EQ(settings.showPreview, c.shown) << c.text;
        writeOptionsFile(file, settings, log);
        std::ifstream in(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.saved) << c.text;
    }
    std::remove(file.c_str());
}

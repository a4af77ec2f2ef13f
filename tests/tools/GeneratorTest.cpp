// The images, font sheets and models under images/ and models/ are made by
// the data generator: the committed copies must be exactly what it makes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "render/AssetCheck.h"
#include "tests/support/FileBytes.h"

namespace fs = std::filesystem;

TEST(Generator, CommittedDataFilesAreExactlyWhatItMakes) {
    const fs::path folder =
        fs::temp_directory_path() / ("astrello-gen-" + std::to_string(getpid()));
    const std::string command = std::string("\"") + ASTRELLO_GEN + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const Asset& asset : gameAssets()) {
        EXPECT_TRUE(fs::is_regular_file(folder / asset.path)) << asset.path << " was not made";
    }
    // Everything it makes, the desktop icons too.
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const fs::path name = entry.path().lexically_relative(folder);
        EXPECT_TRUE(readFile(entry.path()) == readFile(fs::path(ASTRELLO_SOURCE_DIR) / name))
            << name << " is out of date: run \"build/tools/astrello-gen .\" in the repository root";
    }
    fs::remove_all(folder);
    // Without an output folder it refuses to run.
    EXPECT_NE(std::system((std::string("\"") + ASTRELLO_GEN + "\" > /dev/null").c_str()), 0);
}

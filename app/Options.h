#pragma once

#include <cstdint>
#include <string>

#include "core/OptionsFile.h"

// The settings of "options.dat" and the file that keeps them, which the
// options screen and the preview switch change. They can differ from the
// window in force when the stored mode could not be opened.
struct StoredOptions {
    std::string file;
    VideoSettings settings;

    // Reads the file; values that cannot be read keep what was there before.
    // Progress and errors go to standard output.
    void load();
    // Writes the settings as one "%d %d %d\n" line.
    void save() const;
};

struct Resolution {
    int32_t width;
    int32_t height;
};
constexpr int resolutionCount = 9;
// The resolutions offered on the options screen, in cycling order.
extern const Resolution resolutions[resolutionCount];
// The entry after (width, height), wrapping round; a size that is not in the
// table gives the first entry.
Resolution nextResolution(int32_t width, int32_t height);

#pragma once

#include <cstdint>
#include <string>

#include "core/OptionsFile.h"

// The settings as stored, which the options screen edits. They can differ
// from the window in force (app.width, app.height, app.fullscreen) when the
// stored mode could not be opened.
extern VideoSettings videoSettings;

// Reads the settings file into videoSettings and the application's window
// size; values that cannot be read keep what was there before.
void loadOptions(const std::string& fileName = "options.dat");
// Writes videoSettings as one "%d %d %d\n" line.
void saveOptions(const std::string& fileName = "options.dat");

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

#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// The video settings as stored in "options.dat": one "%d %d %d\n" line of
// width, height and the full-screen flag.
struct VideoSettings {
    int32_t width = 1280;  // pixels
    int32_t height = 720;  // pixels
    bool fullscreen = false;
};

// Reads `fileName` into `settings`; values that cannot be read keep what was
// there before. Progress and error lines go to `log`.
void readOptionsFile(const std::string& fileName, VideoSettings& settings, std::ostream& log);
// Writes `settings` as one line, replacing `fileName`.
void writeOptionsFile(const std::string& fileName, const VideoSettings& settings,
                      std::ostream& log);

#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// The settings as stored in "options.dat": one "%d %d %d\n" line of width,
// height and the full-screen flag, and a fourth number 0 when the game
// screen's flight preview is hidden (written only then, so a file of three
// numbers means it is shown).
struct VideoSettings {
    int32_t width = 1280;  // pixels
    int32_t height = 720;  // pixels
    bool fullscreen = false;
    bool showPreview = true;
};

// Reads `fileName` into `settings`; values that cannot be read keep what was
// there before, but for the preview's flag, which is shown unless a fourth
// number 0 says otherwise. Progress and error lines go to `log`.
void readOptionsFile(const std::string& fileName, VideoSettings& settings, std::ostream& log);
// Writes `settings` as one line, replacing `fileName` whole.
void writeOptionsFile(const std::string& fileName, const VideoSettings& settings,
                      std::ostream& log);

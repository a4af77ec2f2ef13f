#include "app/Options.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "sim/GameFolders.h"

VideoSettings videoSettings;

const Resolution resolutions[resolutionCount] = {
    {1024, 768}, {1152, 864},  {1280, 720},  {1280, 800},  {1280, 1024},
    {1440, 900}, {1680, 1050}, {1920, 1080}, {1920, 1200},
};

namespace {

constexpr int32_t largestWindowSide = 16384;  // pixels

// Reads the next whitespace-separated word; if it is a whole 32-bit decimal
// integer, stores it. Returns false at the end of the file. A word is read
// to its end however long it is, so its tail is never taken as a value.
bool readInteger(std::FILE* file, int32_t& value) {
    int c;
    do c = std::getc(file);
    while (c != EOF && std::isspace(c));
    if (c == EOF) return false;
    std::string word;
    bool overlong = false;
    for (; c != EOF && !std::isspace(c); c = std::getc(file)) {
        if (word.size() < 31)
            word += char(c);
        else
            overlong = true;
    }
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(word.c_str(), &end, 10);
    bool whole =
        !overlong && end != word.c_str() && end == word.c_str() + word.size() && errno == 0;
    if (whole && parsed >= INT32_MIN && parsed <= INT32_MAX) value = int32_t(parsed);
    return true;
}

}  // namespace

void loadOptions(const std::string& fileName) {
    std::printf("Loading options.\n");
    std::FILE* file = std::fopen(configFile(fileName).c_str(), "r");
    if (file == nullptr) {
        std::printf("ERROR: Failed to open file for loading options. Will use defaults.\n");
    } else {
        int32_t flag = videoSettings.fullscreen ? 1 : 0;
        if (readInteger(file, videoSettings.width) && readInteger(file, videoSettings.height))
            readInteger(file, flag);
        videoSettings.fullscreen = flag != 0;
        std::fclose(file);
    }
    app.width = videoSettings.width;
    app.height = videoSettings.height;
    app.fullscreen = videoSettings.fullscreen;
}

void saveOptions(const std::string& fileName) {
    std::printf("Saving options.\n");
    std::FILE* file = std::fopen(configFile(fileName).c_str(), "wb");
    if (file == nullptr) {
        std::printf("ERROR: Failed to open file for saving options.\n");
        return;
    }
    int written = std::fprintf(file, "%d %d %d\n", videoSettings.width, videoSettings.height,
                               videoSettings.fullscreen ? 1 : 0);
    if (std::fclose(file) != 0 || written < 0)
        std::printf("ERROR: Failed to write options file.\n");
}

Resolution nextResolution(int32_t width, int32_t height) {
    for (int i = 0; i < resolutionCount; ++i) {
        if (resolutions[i].width == width && resolutions[i].height == height)
            return resolutions[(i + 1) % resolutionCount];
    }
    return resolutions[0];
}

bool usableWindowSize(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width <= largestWindowSide && height <= largestWindowSide;
}

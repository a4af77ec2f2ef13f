#include "core/OptionsFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "core/FileAccess.h"

namespace {

constexpr size_t maxOptionsFileSize = 64 * 1024;  // bytes; the game writes one short line

// Reads the next whitespace-separated word of `text` from `at`; if it is a
// whole 32-bit decimal integer, stores it. Returns false at the end of the
// text. A word is read to its end however long it is, so its tail is never
// taken as a value.
bool readInteger(const std::string& text, size_t& at, int32_t& value) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at == text.size()) return false;
    const size_t start = at;
    while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at - start > 31) return true;  // no 32-bit number is that long
    const std::string word = text.substr(start, at - start);
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(word.c_str(), &end, 10);
    bool whole = end != word.c_str() && end == word.c_str() + word.size() && errno == 0;
    if (whole && parsed >= INT32_MIN && parsed <= INT32_MAX) value = int32_t(parsed);
    return true;
}

}  // namespace

void readOptionsFile(const std::string& fileName, VideoSettings& settings, std::ostream& log) {
    log << "Loading options.\n";
    std::string text, why;
    switch (readRegularFile(fileName, maxOptionsFileSize, text, why)) {
        case ReadStatus::missing:
            log << "ERROR: Failed to open file for loading options. Will use defaults.\n";
            return;
        case ReadStatus::failed:
            log << "ERROR: " << fileName << " cannot be read: " << why << ". Will use defaults.\n";
            return;
        case ReadStatus::ok:
            break;
    }
    size_t at = 0;
    int32_t flag = settings.fullscreen ? 1 : 0;
    int32_t preview = 1;  // written only when hidden: no fourth number means shown
    if (readInteger(text, at, settings.width) && readInteger(text, at, settings.height) &&
        readInteger(text, at, flag))
        readInteger(text, at, preview);
    settings.fullscreen = flag != 0;
    settings.showPreview = preview != 0;
}

void writeOptionsFile(const std::string& fileName, const VideoSettings& settings,
                      std::ostream& log) {
    log << "Saving options.\n";
    char line[64];
    std::snprintf(line, sizeof line, "%d %d %d%s\n", settings.width, settings.height,
                  settings.fullscreen ? 1 : 0, settings.showPreview ? "" : " 0");
    std::string why;
    if (!replaceFile(fileName, line, why)) log << "ERROR: Failed to save options: " << why << "\n";
}

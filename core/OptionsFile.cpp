#include "core/OptionsFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace {

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

void readOptionsFile(const std::string& fileName, Settings& settings, std::ostream& log) {
    log << "Loading options.\n";
    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (file == nullptr) {
        log << "ERROR: Failed to open file for loading options. Will use defaults.\n";
        return;
    }
    int32_t flag = settings.fullscreen ? 1 : 0;
    int32_t preview = 1;  // written only when hidden: no fourth number means shown
    if (readInteger(file, settings.width) && readInteger(file, settings.height) &&
        readInteger(file, flag))
        readInteger(file, preview);
    settings.fullscreen = flag != 0;
    settings.showPreview = preview != 0;
    std::fclose(file);
}

void writeOptionsFile(const std::string& fileName, const Settings& settings,
                      std::ostream& log) {
    log << "Saving options.\n";
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        log << "ERROR: Failed to open file for saving options.\n";
        return;
    }
    int written = std::fprintf(file, "%d %d %d%s\n", settings.width, settings.height,
                               settings.fullscreen ? 1 : 0, settings.showPreview ? "" : " 0");
    if (std::fclose(file) != 0 || written < 0) log << "ERROR: Failed to write options file.\n";
}

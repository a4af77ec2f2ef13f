#include "missions/EditedPrograms.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "missions/ScoreFile.h"
#include "sim/ProgramText.h"

namespace {

bool storableName(const std::string& name) {
    if (name.empty() || name.size() > size_t(maxNameLength)) return false;
    for (char c : name)
        if (c == '\t' || c == '\n' || c == '\r') return false;
    return true;
}

// The score file's limits hold here too: whatever is kept must fit the editor.
bool storableText(const std::string& text, std::string& why) {
    if (text.size() > size_t(maxProgramLength)) {
        why = "program text longer than " + std::to_string(maxProgramLength) + " bytes";
        return false;
    }
    if (!isProgramText(text, why)) return false;
    if (!storableBest(0.0f, text)) {
        why = "more instructions than the editor holds";
        return false;
    }
    return true;
}

}  // namespace

void parseEditedPrograms(const std::string& text, const std::string& path,
                         EditedPrograms& programs, std::ostream& log) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const size_t tab = line.find('\t');
        std::string why;
        if (tab == std::string::npos) {
            why = "no tab between mission name and program";
        } else if (!storableName(line.substr(0, tab))) {
            why = "mission name empty or longer than " + std::to_string(maxNameLength) + " bytes";
        } else if (storableText(line.substr(tab + 1), why)) {
            programs[line.substr(0, tab)] = line.substr(tab + 1);
            continue;
        }
        log << "ERROR: " << path << ":" << number << ": " << why << "; line skipped\n";
    }
}

EditedPrograms readEditedPrograms(const std::string& path, std::ostream& log) {
    EditedPrograms programs;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return programs;
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    parseEditedPrograms(text, path, programs, log);
    return programs;
}

std::string editedProgramsText(const EditedPrograms& programs) {
    std::string out;
    std::string why;
    for (const auto& [name, text] : programs) {
        if (!storableName(name) || !storableText(text, why)) continue;
        out += name + "\t" + text + "\n";
    }
    return out;
}

bool writeEditedPrograms(const std::string& path, const EditedPrograms& programs,
                         std::ostream& log) {
    if (path.empty()) return false;  // no save folder: nothing is written
    const std::string bytes = editedProgramsText(programs);
    const std::string temp = path + ".tmp";
    bool ok = false;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += size_t(n);
        }
        // The new bytes reach the disk before the rename replaces the old file.
        ok = done == bytes.size() && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
        if (!ok) std::remove(temp.c_str());
    }
    if (!ok) log << "ERROR: Failed to write " << path << ".\n";
    return ok;
}

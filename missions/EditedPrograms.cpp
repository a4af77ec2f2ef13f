#include "missions/EditedPrograms.h"

#include <ostream>
#include <sstream>

#include "core/FileAccess.h"
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
    return isProgramText(text, why);
}

}  // namespace

bool parseEditedPrograms(const std::string& text, const std::string& path,
                         EditedPrograms& programs, std::ostream& log) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool sound = true;
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
        sound = false;
    }
    return sound;
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

EditedProgramsFile::EditedProgramsFile(std::string path_) : path(std::move(path_)) {}

void EditedProgramsFile::load(std::ostream& log) {
    if (path.empty()) return;
    std::string bytes, why;
    if (readRegularFile(path, maxScoreFileSize, bytes, why) == ReadStatus::failed)
        log << "ERROR: " << path << " cannot be read: " << why << ". It is not replaced.\n";
    parseEditedPrograms(bytes, path, programs, log);
}

const std::string* EditedProgramsFile::find(const std::string& mission) const {
    const auto found = programs.find(mission);
    return found == programs.end() ? nullptr : &found->second;
}

void EditedProgramsFile::edit(const std::string& mission, const std::string& text, double now) {
    std::string& kept = programs[mission];
    if (kept == text) return;
    kept = text;
    if (edited.empty()) firstEdit = now;
    edited[mission] = text;
}

void EditedProgramsFile::writeIfDue(double now, std::ostream& log) {
    if (edited.empty() || now - firstEdit < delay) return;
    // A file that cannot be written now is tried again after a while, not at every frame.
    if (!write(log)) firstEdit = now + retryDelay - delay;
}

bool EditedProgramsFile::write(std::ostream& log) {
    if (path.empty() || edited.empty()) return true;
    FileLock lock(path + ".lock");
    if (!lock.held()) {
        log << "ERROR: Failed to write " << path << ": " << lock.why() << "\n";
        return false;
    }
    return writeLocked(log);
}

// With the lock held: the file as the other copy left it, then the edits made here.
bool EditedProgramsFile::writeLocked(std::ostream& log) {
    std::string bytes, why;
    const ReadStatus read = readRegularFile(path, maxScoreFileSize, bytes, why);
    if (read == ReadStatus::failed) {
        log << "ERROR: " << path << " cannot be read: " << why << ". It is not replaced.\n";
        return false;
    }
    EditedPrograms merged;
    std::ostringstream quiet;  // its damage was said when it was loaded
    if (!parseEditedPrograms(bytes, path, merged, quiet) &&
        keepCopyAside(path + ".damaged", bytes).empty()) {
        log << "ERROR: Failed to keep a copy of the damaged " << path << ". It is not replaced.\n";
        return false;
    }
    for (const auto& [mission, text] : edited) merged[mission] = text;
    if (!replaceFile(path, editedProgramsText(merged), why)) {
        log << "ERROR: Failed to write " << why << "\n";
        return false;
    }
    programs = std::move(merged);
    edited.clear();
    return true;
}

#include "tests/fuzz/ReaderChecks.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/Options.h"
#include "missions/Level.h"
#include "missions/Levels.h"
#include "render/Mesh.h"
#include "render/TextSplit.h"
#include "screens/ScoreFile.h"
#include "sim/ProgramText.h"

namespace {

// One scratch folder per process for the readers that take a file name,
// removed at exit.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "astrello-readers-XXXXXX").string();
        path = mkdtemp(&pattern[0]);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

std::string scratchFile(const char* name) {
    static const ScratchFolder folder;
    return (folder.path / name).string();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string checkProgramText(const std::string& input) {
    Program program;
    parseProgramText(input, program);
    int tokens = splitText(input, " \n").count;
    if (tokens > 0 && program.size() > size_t(tokens - 1) / 2)
        return "more instructions than the text holds";
    if (tokens == 0 && !program.empty()) return "a text without words changed the program";
    Program again;
    parseProgramText(programText(program), again);
    if (programText(program) != programText(again))
        return "the program does not survive its own text form";
    return "";
}

// Whether `value` stands as a whole word of `text`, as strtol reads numbers.
bool holds(const std::string& text, long value) {
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        char* end = nullptr;
        if (std::strtol(word.c_str(), &end, 10) == value && *end == '\0') return true;
    }
    return false;
}

std::string checkOptions(const std::string& input) {
    const VideoSettings defaults;
    const std::string path = scratchFile("options.dat");
    writeFile(path, input);
    videoSettings = defaults;
    loadOptions(path);
    const VideoSettings read = videoSettings;
    // Only numbers the file holds are taken.
    if (read.width != defaults.width && !holds(input, read.width))
        return "a width the file does not hold: " + std::to_string(read.width);
    if (read.height != defaults.height && !holds(input, read.height))
        return "a height the file does not hold: " + std::to_string(read.height);

    saveOptions(path);
    char line[64];
    std::snprintf(line, sizeof line, "%d %d %d\n", read.width, read.height, read.fullscreen);
    if (readFile(path) != line) return "the saved line is not \"%d %d %d\\n\"";
    videoSettings = VideoSettings{640, 480, !read.fullscreen};
    loadOptions(path);
    if (videoSettings.width != read.width || videoSettings.height != read.height ||
        videoSettings.fullscreen != read.fullscreen)
        return "the settings do not survive a save and a load";
    return "";
}

std::string checkObj(const std::string& input) {
    const std::string path = scratchFile("model.obj");
    writeFile(path, input);
    Mesh mesh;
    mesh.load(path);
    // Every list element and every triangle needs at least two bytes of input.
    size_t items = mesh.positions.size() + mesh.normals.size() + mesh.texCoords.size();
    if (items > input.size() / 2 + 1) return "more vertices than the file can describe";
    if (mesh.faces.size() > input.size() / 2 + 1)
        return "more triangles than the file can describe";
    return "";
}

// A fresh registry of the 21 missions without scores, freed with the object.
struct FreshLevels {
    FreshLevels() { registerLevels(levels); }
    ~FreshLevels() {
        for (auto& entry : levels) delete entry.second;
    }
    LevelRegistry levels;
};

// Reads `bytes` as a score file into `levels`; the reader's own report.
std::string readScores(const std::string& bytes, LevelRegistry& levels) {
    // fmemopen cannot open an empty buffer everywhere; an empty file can.
    std::FILE* file = bytes.empty() ? std::fopen("/dev/null", "rb")
                                    : fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (!file) return "cannot open";
    std::string problem = readScoreRecords(file, levels);
    std::fclose(file);
    return problem;
}

std::string checkScoreFile(const std::string& input) {
    FreshLevels damaged;
    readScores(input, damaged.levels);
    for (const auto& [name, level] : damaged.levels) {
        if (!std::isfinite(level->bestScore) || level->bestScore < 0.0f)
            return "a best score no run can make: " + name;
        if (level->savedProgram.size() > size_t(maxProgramLength))
            return "a longer program text than a record may hold: " + name;
        // "Accept" on the briefing reads the stored text into the ship.
        std::string fault = checkProgramText(level->savedProgram);
        if (!fault.empty()) return "the program text of " + name + ": " + fault;
    }
    // Whatever was kept is written back as a whole file that reads the same.
    std::string saved = scoreFileBytes(damaged.levels);
    FreshLevels again;
    std::string problem = readScores(saved, again.levels);
    if (!problem.empty()) return "the file written after a damaged one is damaged: " + problem;
    if (scoreFileBytes(again.levels) != saved) return "the scores do not survive a save and a load";
    return "";
}

}  // namespace

const std::vector<ReaderCheck>& readerChecks() {
    static const std::vector<ReaderCheck> checks = {
        {"program_text", checkProgramText},
        {"options", checkOptions},
        {"obj", checkObj},
        {"score_file", checkScoreFile},
    };
    return checks;
}

const ReaderCheck* findReaderCheck(const std::string& name) {
    for (const ReaderCheck& check : readerChecks()) {
        if (name == check.name) return &check;
    }
    return nullptr;
}

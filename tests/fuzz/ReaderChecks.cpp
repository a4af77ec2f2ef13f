#include "tests/fuzz/ReaderChecks.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/Options.h"
#include "missions/DataMission.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "render/Mesh.h"
#include "missions/ScoreFile.h"
#include "sim/ProgramEdits.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/support/FileBytes.h"

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

std::string checkProgramText(const std::string& input) {
    const Program before = {{Thrust, 7}};
    Program program = before;
    std::string why;
    if (!readProgramText(input, program, why))
        return programText(program) == programText(before) ? "" : "a refused text changed the program";
    if (program.size() > size_t(maxProgramSize)) return "more instructions than the editor holds";
    for (const Instruction& instruction : program)
        if (instruction.value < 0 || instruction.value > maxValue) return "a value the editor cannot make";
    Program again;
    if (!readProgramText(programText(program), again, why) || programText(program) != programText(again))
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
    StoredOptions options{path, defaults};
    options.load();
    const VideoSettings read = options.settings;
    // Only numbers the file holds are taken.
    if (read.width != defaults.width && !holds(input, read.width))
        return "a width the file does not hold: " + std::to_string(read.width);
    if (read.height != defaults.height && !holds(input, read.height))
        return "a height the file does not hold: " + std::to_string(read.height);

    options.save();
    options.settings = VideoSettings{640, 480, !read.fullscreen, !read.showPreview};
    options.load();
    const VideoSettings& again = options.settings;
    if (again.width != read.width || again.height != read.height ||
        again.fullscreen != read.fullscreen || again.showPreview != read.showPreview)
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

// Reads `bytes` as a score file into `records`; the reader's own report.
std::string readScores(const std::string& bytes, Records& records) {
    return readScoreRecords(bytes, records);
}

std::string checkScoreFile(const std::string& input) {
    Records damaged;
    readScores(input, damaged);
    for (const auto& [name, record] : damaged.all()) {
        if (!std::isfinite(record.bestScore) || record.bestScore < 0.0f)
            return "a best score no run can make: " + name;
        if (record.program.size() > size_t(maxProgramLength))
            return "a longer program text than a record may hold: " + name;
        // "Accept" on the briefing reads the stored text into the ship.
        std::string fault = checkProgramText(record.program);
        if (!fault.empty()) return "the program text of " + name + ": " + fault;
    }
    // Whatever was kept is written back as a whole file that reads the same.
    std::string saved = scoreFileBytes(damaged);
    Records again;
    std::string problem = readScores(saved, again);
    if (!problem.empty()) return "the file written after a damaged one is damaged: " + problem;
    if (scoreFileBytes(again) != saved) return "the scores do not survive a save and a load";
    return "";
}

// A mission file is refused with its reasons, each on a line that names its
// place, or accepted without a word; an accepted one can be set up, flown,
// judged and shown.
std::string checkMission(const std::string& input) {
    MissionDef def;
    std::ostringstream log;
    const bool accepted = readMissionText(input, "fuzz.toml", def, log);
    const std::string messages = log.str();
    if (accepted != messages.empty())
        return accepted ? "accepted with errors: " + messages : "refused without a reason";
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("ERROR: fuzz.toml:", 0) != 0) return "a message without its place: " + line;
    if (!accepted) return "";
    DataMission mission(def);
    World world;
    world.mission = &mission;
    world.clearProgramAndReset();
    parseProgramText(def.reference, world.rocket->program);
    world.reset();
    Goals goals;
    for (int i = 0; i < 300 && !world.result.won && !world.result.failed; ++i) {
        world.step();
        goals.clear();
        world.goals(goals);
        mission.fixedGoals(world, goals);
    }
    return "";
}

}  // namespace

const std::vector<ReaderCheck>& readerChecks() {
    static const std::vector<ReaderCheck> checks = {
        {"program_text", checkProgramText},
        {"options", checkOptions},
        {"obj", checkObj},
        {"score_file", checkScoreFile},
        {"mission", checkMission},
    };
    return checks;
}

const ReaderCheck* findReaderCheck(const std::string& name) {
    for (const ReaderCheck& check : readerChecks()) {
        if (name == check.name) return &check;
    }
    return nullptr;
}

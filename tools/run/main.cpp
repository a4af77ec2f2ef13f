// astrello-run: flies missions without a window, for players, teachers and tests.
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>

#include "tools/run/MissionCheckCommand.h"
#include "tools/run/OptimizeCommand.h"
#include "tools/run/RunCommands.h"

namespace {
struct Subcommand {
    const char* name;
    int (*handler)(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
};

const Subcommand subcommands[] = {
    {"run", runCommand},     {"trace", traceCommand},       {"list", listCommand},
    {"check", checkCommand}, {"optimize", optimizeCommand}, {"check-mission", checkMissionCommand},
};

namespace fs = std::filesystem;

// The data folder when no --data-dir names one: the folder of this program
// when the campaign is beside it (a build tree links it there), an installed
// share/astrello/ next to its bin/, or else the working directory ("") as
// the game finds its data.
std::string findDataFolder() {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        const fs::path dir = fs::path(std::string(self, size_t(length))).parent_path();
        for (const fs::path& candidate : {dir, dir.parent_path() / "share" / "astrello"}) {
            std::error_code error;
            if (fs::is_directory(candidate / "campaign", error)) return candidate.string();
        }
    }
    return "";
}
}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::string dataFolder;
    if (argc >= 3 && std::strcmp(argv[1], "--data-dir") == 0) {
        dataFolder = argv[2];
        first = 3;
        std::error_code error;
        if (!fs::is_directory(fs::path(dataFolder) / "campaign", error)) {
            std::cerr << "ERROR: no campaign folder in " << argv[2] << "\n";
            return 2;
        }
    } else {
        dataFolder = findDataFolder();
    }
    if (argc > first) {
        for (const Subcommand& command : subcommands) {
            if (std::strcmp(argv[first], command.name) != 0) continue;
            RunContext run(dataFolder);
            return command.handler(run, RunArgs(argv + first + 1, argv + argc), std::cout,
                                   std::cerr);
        }
    }
    const char* const usage =
        "usage: astrello-run [--data-dir DIR] run|trace|list|check|optimize|check-mission ...\n"
        "       astrello-run --help | --version\n"
        "The manual page astrello-run(6) gives each command's arguments.\n";
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "astrello-run " << ASTRELLO_VERSION << '\n';
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << usage;
        return 0;
    }
    std::cerr << usage;
    return 2;
}

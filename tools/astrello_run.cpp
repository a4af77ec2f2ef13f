// astrello-run: flies missions without a window, for players, teachers and tests.
#include <cstring>
#include <iostream>

#include "app/Application.h"
#include "missions/Levels.h"
#include "missions/RunCommands.h"
#include "render/AssetCheck.h"
#include "sim/GameFolders.h"
#include "sim/OptimizeCommand.h"

namespace {
struct Subcommand {
    const char* name;
    int (*handler)(const RunArgs& args, std::ostream& out, std::ostream& err);
};

const Subcommand subcommands[] = {
    {"run", runCommand},
    {"trace", traceCommand},
    {"list", listCommand},
    {"check", checkCommand},
    {"optimize", optimizeCommand},
    {"check-assets", checkAssetsCommand},
};
}  // namespace

int main(int argc, char** argv) {
    app.textures.headless = true;
    // Installed, the data is found beside the program, from any folder.
    gameFolders = chooseGameFolders(currentFolderEnvironment(), {});
    if (argc >= 2) {
        for (const Subcommand& command : subcommands) {
            if (std::strcmp(argv[1], command.name) != 0) continue;
            registerLevels(app.levels);
            return command.handler(RunArgs(argv + 2, argv + argc), std::cout, std::cerr);
        }
    }
    const char* const usage =
        "usage: astrello-run run|trace|list|check|optimize|check-assets ...\n"
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

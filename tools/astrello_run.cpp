// astrello-run: flies missions without a window, for players, teachers and tests.
#include <cstring>
#include <iostream>

#include "app/Application.h"
#include "missions/Missions.h"
#include "missions/RunCommands.h"
#include "render/AssetCheck.h"
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
    if (argc >= 2) {
        for (const Subcommand& command : subcommands) {
            if (std::strcmp(argv[1], command.name) != 0) continue;
            registerMissions(app.missions);
            return command.handler(RunArgs(argv + 2, argv + argc), std::cout, std::cerr);
        }
    }
    std::cerr << "usage: astrello-run run|trace|list|check|optimize|check-assets ...\n";
    return 2;
}
